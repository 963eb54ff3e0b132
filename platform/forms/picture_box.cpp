// The picture box: its picture, the mouse over it and its click.
#include "platform/forms/picture_box.h"

#include "platform/forms/click.h"
#include "platform/forms/form.h"

namespace forms {

PictureBox::PictureBox(Form& form, std::string name, ControlDesign design, std::string picture)
    : Control(form, "PictureBox", std::move(name), std::move(design)), picture_(std::move(picture)) {}

void PictureBox::setPicture(const std::string& resourceName) {
    picture_ = resourceName;
    changed(Prop::Picture);
}

void PictureBox::userMouseMove(int button, int shift, float x, float y) {
    Dispatch([&] {
        if (onMouseMove) onMouseMove(button, shift, x, y);
    });
}

void PictureBox::userClick() { RaiseClick(*this, onClick); }

void PictureBox::captureDesign() {
    Control::captureDesign();
    design_ = picture_;
}

void PictureBox::restoreDesign() {
    Control::restoreDesign();
    picture_ = design_;
}

}  // namespace forms
