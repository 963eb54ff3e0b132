#pragma once
#include "platform/forms/control.h"

namespace forms {

// A frame: a captioned border drawn around a group of controls. The controls
// of the group are placed on the form, over the frame's area.
class Frame : public Control {
public:
    Frame(Form& form, std::string name, ControlDesign design = {});

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }
};

}  // namespace forms
