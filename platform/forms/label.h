#pragma once
// The label: a caption that reports its click.
#include <functional>

#include "platform/forms/control.h"

namespace forms {

class Label : public Control {
public:
    Label(Form& form, std::string name, ControlDesign design = {});
    void userClick();
    std::function<void()> onClick;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }
};

}  // namespace forms
