// The base of every control: the properties all kinds share, and their mirror in the peer.
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

// A control that is hidden or disabled while it has the focus hands it on
// to the next one in the tab order, so that the keyboard still reaches the
// window.
void Control::setVisible(bool visible) {
    const bool losesFocus = !visible && hasFocus();
    common_.visible = visible;
    changed(Prop::Visible);
    if (losesFocus) form_.focusNext(*this);
}

void Control::setEnabled(bool enabled) {
    const bool losesFocus = !enabled && hasFocus();
    common_.enabled = enabled;
    changed(Prop::Enabled);
    if (losesFocus) form_.focusNext(*this);
}

bool Control::canFocus() const { return tabStop() && visible() && enabled() && form_.loaded(); }

bool Control::hasFocus() const { return form_.focusedControl() == this; }

void Control::setFocus() {
    if (canFocus()) form_.giveFocus(*this);
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
