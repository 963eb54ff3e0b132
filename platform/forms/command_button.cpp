#include "platform/forms/command_button.h"

#include "platform/forms/click.h"
#include "platform/forms/keys.h"

namespace forms {

CommandButton::CommandButton(Form& form, std::string name, ControlDesign design)
    : Control(form, "CommandButton", std::move(name), std::move(design)) {}

void CommandButton::userClick() { RaiseClick(*this, onClick); }

bool CommandButton::userDialogKey(int keyCode) {
    if (keyCode != kKeySpace && keyCode != kKeyReturn) return false;
    userClick();
    return true;
}

}  // namespace forms
