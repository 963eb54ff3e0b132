// The check box: its value, its click from the user or from code, its keys and its design.
#include "platform/forms/check_box.h"

#include "platform/error.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"

namespace forms {

CheckBox::CheckBox(Form& form, std::string name, ControlDesign design)
    : Control(form, "CheckBox", std::move(name), std::move(design)) {}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) throw platform::Error(platform::kErrInvalidPropertyValue, "Invalid property value");
    if (value == value_) return;
    value_ = value;
    changed(Prop::Value);
    if (onClick) onClick();
}

void CheckBox::userClick() {
    if (!enabled()) return;
    Dispatch([this] { setValue(value_ == 0 ? 1 : 0); });
}

bool CheckBox::userDialogKey(int keyCode) {
    if (keyCode != kKeySpace) return false;
    userClick();
    return true;
}

void CheckBox::captureDesign() {
    Control::captureDesign();
    design_ = value_;
}

void CheckBox::restoreDesign() {
    Control::restoreDesign();
    value_ = design_;
}

}  // namespace forms
