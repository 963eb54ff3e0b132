// The menu: a top-level menu of the bar or an item of another, with its check mark and click.
#include "platform/forms/menu.h"

#include "platform/forms/click.h"
#include "platform/forms/form.h"

namespace forms {

Menu::Menu(Form& form, std::string name, const std::string& caption, Menu* parent, int index)
    : Control(form, "Menu", std::move(name), ControlDesign{.caption = caption}), parent_(parent), index_(index) {
    if (parent_) parent_->items_.push_back(this);
    form.addMenu(this);
}

void Menu::setChecked(bool checked) {
    checked_ = checked;
    changed(Prop::Value);
}

void Menu::userClick() { RaiseClick(*this, onClick); }

}  // namespace forms
