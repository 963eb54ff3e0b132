// The frame: a captioned border around a group of controls.
#include "platform/forms/frame.h"

namespace forms {

Frame::Frame(Form& form, std::string name, ControlDesign design)
    : Control(form, "Frame", std::move(name), std::move(design)) {}

}  // namespace forms
