// The list box: its items, their order and the selection.
#include "platform/forms/list_box.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/forms/form.h"
#include "platform/forms/text_order.h"

namespace forms {

ListBox::ListBox(Form& form, std::string name, ControlDesign design, ListBoxDesign list)
    : Control(form, "ListBox", std::move(name), std::move(design)), sorted_(list.sorted) {}

void ListBox::checkIndex(int index) const {
    if (index < 0 || index >= listCount())
        throw platform::Error(platform::kErrInvalidArrayIndex, "Invalid property array index");
}

const std::string& ListBox::list(int index) const {
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::addItem(const std::string& item) {
    auto place = sorted_ ? std::upper_bound(items_.begin(), items_.end(), item, LessIgnoringCase) : items_.end();
    const int index = static_cast<int>(place - items_.begin());
    items_.insert(place, item);
    // The selection stays with its item.
    if (listIndex_ >= index) ++listIndex_;
    itemChanged(ItemChange::Added, index);
}

// Adding one at a time puts each item after those equal to it: the new items
// in a stable order, merged behind the equal ones already there.
void ListBox::addItems(std::vector<std::string> items) {
    if (items.empty()) return;
    const auto added = static_cast<std::ptrdiff_t>(items_.size());
    if (sorted_) {
        std::stable_sort(items.begin(), items.end(), LessIgnoringCase);
        if (listIndex_ >= 0) {
            const std::string& selected = items_[static_cast<std::size_t>(listIndex_)];
            listIndex_ += static_cast<int>(std::lower_bound(items.begin(), items.end(), selected, LessIgnoringCase) -
                                           items.begin());
        }
    }
    items_.insert(items_.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    if (sorted_) std::inplace_merge(items_.begin(), items_.begin() + added, items_.end(), LessIgnoringCase);
    changed(Prop::Items);
}

void ListBox::removeItem(int index) {
    checkIndex(index);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    itemChanged(ItemChange::Removed, index);
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    changed(Prop::Items);
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        throw platform::Error(platform::kErrInvalidPropertyValue, "Invalid property value");
    if (index == listIndex_) return;
    listIndex_ = index;
    changed(Prop::Selection);
    if (onClick) onClick();
}

void ListBox::userSelect(int index) {
    if (!enabled() || index < 0 || index >= listCount()) return;
    Dispatch([this, index] {
        listIndex_ = index;
        if (onClick) onClick();
    });
}

void ListBox::captureDesign() {
    Control::captureDesign();
    design_ = items_;
}

void ListBox::restoreDesign() {
    Control::restoreDesign();
    items_ = design_;
    listIndex_ = -1;
}

}  // namespace forms
