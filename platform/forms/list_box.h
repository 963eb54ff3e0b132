#pragma once
// A list box: a column of text items, one of which the user may select.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

struct ListBoxDesign {
    bool sorted = false;  // items kept in alphabetical order, case aside
};

class ListBox : public Control {
public:
    ListBox(Form& form, std::string name, ControlDesign design = {}, ListBoxDesign list = {});
    bool sorted() const { return sorted_; }

    // Items are numbered from 0; a number that does not exist raises 381.
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int index) const;
    const std::vector<std::string>& items() const { return items_; }
    // Adds the item at the end, or in its alphabetical place when sorted.
    void addItem(const std::string& item);
    // Adds the items as addItem adds them one after another, in one pass:
    // a long list loads in time that grows with its length.
    void addItems(std::vector<std::string> items);
    // Removes the item; a removed selected item leaves none selected.
    void removeItem(int index);
    void clear();

    // The selected item's number, -1 for none. Setting it selects that item
    // (-1 none; any other number outside the list raises 380) and a change
    // raises onClick at once, inside this call.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    bool selected(int index) const { return index == listIndex_ && index >= 0; }

    // The user selecting an item: raises onClick.
    void userSelect(int index);
    std::function<void()> onClick;

    bool tabStop() const override { return true; }

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    void checkIndex(int index) const;

    bool sorted_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::vector<std::string> design_;
};

}  // namespace forms
