#pragma once
// The frame: a captioned border around a group of controls.
#include "platform/forms/control.h"

namespace forms {

// A frame: a captioned border around a group of controls, lying beneath them.
class Frame : public Control {
public:
    Frame(Form& form, std::string name, ControlDesign design = {});

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }
};

}  // namespace forms
