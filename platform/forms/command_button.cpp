// The command button: its click, its keys, the picture it shows and its design.
#include "platform/forms/command_button.h"

#include "platform/forms/click.h"
#include "platform/forms/keys.h"

namespace forms {

CommandButton::CommandButton(Form& form, std::string name, ControlDesign design, ButtonPictures pictures)
    : Control(form, "CommandButton", std::move(name), std::move(design)), pictures_(std::move(pictures)) {}

void CommandButton::userClick() { RaiseClick(*this, onClick); }

bool CommandButton::userDialogKey(int keyCode) {
    if (keyCode != kKeySpace && keyCode != kKeyReturn) return false;
    userClick();
    return true;
}

const std::string& CommandButton::shownPicture() const {
    return !enabled() && !pictures_.disabledPicture.empty() ? pictures_.disabledPicture : pictures_.picture;
}

void CommandButton::captureDesign() {
    Control::captureDesign();
    design_ = pictures_;
}

void CommandButton::restoreDesign() {
    Control::restoreDesign();
    pictures_ = design_;
}

}  // namespace forms
