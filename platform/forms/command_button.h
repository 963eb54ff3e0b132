#pragma once
#include <functional>

#include "platform/forms/control.h"

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, ControlDesign design = {});
    void userClick();
    std::function<void()> onClick;

    bool tabStop() const override { return true; }
    // Space and Enter press the focused button.
    bool userDialogKey(int keyCode) override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }
};

}  // namespace forms
