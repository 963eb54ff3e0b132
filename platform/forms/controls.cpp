#include "platform/forms/controls.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/forms/backend.h"
#include "platform/forms/form.h"

namespace forms {

Control::Control(Form& form, const char* typeName, std::string name)
    : form_(form), typeName_(typeName), name_(std::move(name)) {
    form_.addControl(this);
}

Control::~Control() { form_.removeControl(this); }

void Control::changed(Prop prop) {
    if (form_.loaded()) backend::ControlChanged(*this, prop);
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

void Control::setBounds(int left, int top, int width, int height) {
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

// Check box.

CheckBox::CheckBox(Form& form, std::string name) : Control(form, "CheckBox", std::move(name)) {}

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

void CheckBox::saveDesign() {
    Control::saveDesign();
    design_ = value_;
}

void CheckBox::restoreDesign() {
    Control::restoreDesign();
    value_ = design_;
}

// Button and label.

CommandButton::CommandButton(Form& form, std::string name)
    : Control(form, "CommandButton", std::move(name)) {}

void CommandButton::userClick() {
    if (!enabled()) return;
    Dispatch([this] {
        if (onClick) onClick();
    });
}

Label::Label(Form& form, std::string name) : Control(form, "Label", std::move(name)) {}

void Label::userClick() {
    if (!enabled()) return;
    Dispatch([this] {
        if (onClick) onClick();
    });
}

// Text box.

TextBox::TextBox(Form& form, std::string name) : Control(form, "TextBox", std::move(name)) {}

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

void TextBox::saveDesign() {
    Control::saveDesign();
    design_ = text_;
}

void TextBox::restoreDesign() {
    Control::restoreDesign();
    text_ = design_;
}

// Status bar.

StatusBar::StatusBar(Form& form, std::string name) : Control(form, "StatusBar", std::move(name)) {}

StatusBar::Panel& StatusBar::at(int index) {
    if (index < 1 || index > panelCount())
        throw platform::Error(platform::kErrIndexOutOfBounds, "Index out of bounds");
    return panels_[static_cast<std::size_t>(index - 1)];
}

const StatusBar::Panel& StatusBar::panel(int index) const {
    return const_cast<StatusBar*>(this)->at(index);
}

void StatusBar::setPanelText(int index, const std::string& text) {
    at(index).text = text;
    changed(Prop::Panels);
}

void StatusBar::setPanelWidth(int index, int width) {
    at(index).width = width;
    changed(Prop::Panels);
}

void StatusBar::addPanel() {
    panels_.push_back(Panel{});
    changed(Prop::Panels);
}

void StatusBar::saveDesign() {
    Control::saveDesign();
    design_ = panels_;
}

void StatusBar::restoreDesign() {
    Control::restoreDesign();
    panels_ = design_;
}

// Timer.

Timer::Timer(Form& form, std::string name) : Control(form, "Timer", std::move(name)) {}

bool Timer::running() const { return form().loaded() && timerEnabled_ && interval_ > 0; }

void Timer::setTimerEnabled(bool enabled) {
    if (enabled == timerEnabled_) return;
    timerEnabled_ = enabled;
    changed(Prop::Timer);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535)
        throw platform::Error(platform::kErrInvalidPropertyValue, "Invalid property value");
    interval_ = milliseconds;
    changed(Prop::Timer);
}

void Timer::tick() {
    if (!running()) return;
    Dispatch([this] {
        if (onTimer) onTimer();
    });
}

void Timer::saveDesign() {
    Control::saveDesign();
    designEnabled_ = timerEnabled_;
    designInterval_ = interval_;
}

void Timer::restoreDesign() {
    Control::restoreDesign();
    timerEnabled_ = designEnabled_;
    interval_ = designInterval_;
}

// Menu.

Menu::Menu(Form& form, std::string name, const std::string& caption, Menu* parent, int index)
    : Control(form, "Menu", std::move(name)), parent_(parent), index_(index) {
    setCaption(caption);
    if (parent_) parent_->items_.push_back(this);
}

void Menu::setChecked(bool checked) {
    checked_ = checked;
    changed(Prop::Value);
}

void Menu::userClick() {
    if (!enabled()) return;
    Dispatch([this] {
        if (onClick) onClick();
    });
}

// Picture box.

PictureBox::PictureBox(Form& form, std::string name) : Control(form, "PictureBox", std::move(name)) {}

void PictureBox::setPicture(const std::string& resourceName) {
    picture_ = resourceName;
    changed(Prop::Picture);
}

void PictureBox::userMouseMove(int button, int shift, float x, float y) {
    Dispatch([&] {
        if (onMouseMove) onMouseMove(button, shift, x, y);
    });
}

// Rich-text box.

RichTextBox::RichTextBox(Form& form, std::string name)
    : Control(form, "RichTextBox", std::move(name)) {}

void RichTextBox::setFileName(const std::string& path) {
    std::string contents;
    long result = platform::files::ReadFile(path, &contents);
    if (result == platform::kErrorFileNotFound)
        throw platform::Error(platform::kErrFileNotFound, "File not found: " + path);
    if (result != 0)
        throw platform::Error(platform::kErrPathNotFound, "Cannot read " + path + " (error " + std::to_string(result) + ")");
    fileName_ = path;
    document_ = std::move(contents);
    changed(Prop::Text);
}

void RichTextBox::setTextRTF(const std::string& document) {
    document_ = document;
    changed(Prop::Text);
}

void RichTextBox::saveDesign() {
    Control::saveDesign();
    designDocument_ = document_;
}

void RichTextBox::restoreDesign() {
    Control::restoreDesign();
    document_ = designDocument_;
    fileName_.clear();
}

}  // namespace forms
