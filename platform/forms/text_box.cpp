// The text box: its text, the user's typing and key presses, and its design.
#include "platform/forms/text_box.h"

#include "platform/forms/form.h"

namespace forms {

TextBox::TextBox(Form& form, std::string name, ControlDesign design, bool password)
    : Control(form, "TextBox", std::move(name), std::move(design)), password_(password) {}

void TextBox::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    changed(Prop::Text);
    if (onChange) onChange();
}

void TextBox::userType(const std::string& text) {
    Dispatch([&] {
        if (text == text_) return;
        text_ = text;
        if (onChange) onChange();
    });
}

int TextBox::userKeyPress(int keyAscii) {
    Dispatch([&] {
        if (onKeyPress) onKeyPress(keyAscii);
    });
    return keyAscii;
}

void TextBox::captureDesign() {
    Control::captureDesign();
    design_ = text_;
}

void TextBox::restoreDesign() {
    Control::restoreDesign();
    text_ = design_;
}

}  // namespace forms
