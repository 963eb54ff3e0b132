// The label: a caption that reports its click.
#include "platform/forms/label.h"

#include "platform/forms/click.h"

namespace forms {

Label::Label(Form& form, std::string name, ControlDesign design)
    : Control(form, "Label", std::move(name), std::move(design)) {}

void Label::userClick() { RaiseClick(*this, onClick); }

}  // namespace forms
