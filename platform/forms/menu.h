#pragma once
// The menu: the menu bar's menus and their items, and the pop-up menus.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// One menu: a top-level menu of the bar, or an item of another menu.
class Menu : public Control {
public:
    Menu(Form& form, std::string name, const std::string& caption, Menu* parent = nullptr, int index = -1);
    Menu* parent() const { return parent_; }
    const std::vector<Menu*>& items() const { return items_; }
    // The index of an item of a control array; -1 when it is no array.
    int index() const { return index_; }
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    void userClick();
    std::function<void()> onClick;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    Menu* parent_;
    int index_;
    bool checked_ = false;
    std::vector<Menu*> items_;
};

}  // namespace forms
