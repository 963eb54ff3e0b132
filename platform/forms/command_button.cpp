#include "platform/forms/command_button.h"

#include "platform/forms/click.h"

namespace forms {

CommandButton::CommandButton(Form& form, std::string name, ControlDesign design)
    : Control(form, "CommandButton", std::move(name), std::move(design)) {}

void CommandButton::userClick() { RaiseClick(*this, onClick); }

}  // namespace forms
