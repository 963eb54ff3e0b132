// The status bar: its panels, their text and width.
#include "platform/forms/status_bar.h"

#include "platform/error.h"

namespace forms {

StatusBar::StatusBar(Form& form, std::string name, ControlDesign design)
    : Control(form, "StatusBar", std::move(name), std::move(design)) {}

StatusBar::Panel& StatusBar::at(int index) {
    if (index < 1 || index > panelCount()) throw platform::Error(platform::kErrIndexOutOfBounds, "Index out of bounds");
    return panels_[static_cast<std::size_t>(index - 1)];
}

const StatusBar::Panel& StatusBar::panel(int index) const { return const_cast<StatusBar*>(this)->at(index); }

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

void StatusBar::captureDesign() {
    Control::captureDesign();
    design_ = panels_;
}

void StatusBar::restoreDesign() {
    Control::restoreDesign();
    panels_ = design_;
}

}  // namespace forms
