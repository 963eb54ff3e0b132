#include "platform/forms/control.h"

#include "platform/forms/form.h"

namespace forms {

Control::Control(Form& form, const char* typeName, std::string name, ControlDesign design)
    : form_(form), typeName_(typeName), name_(std::move(name)), common_(std::move(design)), design_(common_) {
    form_.addControl(this);
}

Control::~Control() { form_.removeControl(this); }

void Control::changed(Prop prop) {
    if (peer_) peer_->changed(prop);
}

void Control::itemChanged(ItemChange change, int index) {
    if (peer_) peer_->itemChanged(change, index);
}

void Control::setCaption(const std::string& caption) {
    common_.caption = caption;
    changed(Prop::Caption);
}

void Control::setVisible(bool visible) {
    common_.visible = visible;
    changed(Prop::Visible);
}

void Control::setEnabled(bool enabled) {
    common_.enabled = enabled;
    changed(Prop::Enabled);
}

// A control left where it was tells its peer nothing: a layout that runs at
// every paint moves no window until the form's size changes.
void Control::setBounds(int left, int top, int width, int height) {
    const Rect& now = common_.bounds;
    if (now.left == left && now.top == top && now.width == width && now.height == height) return;
    common_.bounds = Rect{left, top, width, height};
    changed(Prop::Bounds);
}

void Control::setBackColor(std::uint32_t color) {
    common_.backColor = color;
    changed(Prop::Colors);
}

void Control::setForeColor(std::uint32_t color) {
    common_.foreColor = color;
    changed(Prop::Colors);
}

void Control::setFont(const std::string& name, double size, bool bold) {
    common_.fontName = name;
    common_.fontSize = size;
    common_.fontBold = bold;
    changed(Prop::Font);
}

void Control::setToolTip(const std::string& text) {
    common_.toolTip = text;
    changed(Prop::ToolTip);
}

}  // namespace forms
