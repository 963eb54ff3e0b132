#include "blocker/site_items.h"

#include "platform/error.h"

namespace windhover {

void SiteItems::check(int index) const {
    if (index < 0 || index >= ListCount()) throw platform::Error(5, "Invalid procedure call or argument");
}

void SiteItems::AddItem(const std::string& item) { items_.push_back(item); }

void SiteItems::RemoveItem(int index) {
    check(index);
    items_.erase(items_.begin() + index);
    if (selected_ == index) selected_ = -1;
    else if (selected_ > index) --selected_;
}

const std::string& SiteItems::List(int index) const {
    check(index);
    return items_[static_cast<std::size_t>(index)];
}

bool SiteItems::Selected(int index) const {
    check(index);
    return selected_ == index;
}

void SiteItems::setSelected(int index, bool selected) {
    check(index);
    if (selected) selected_ = index;
    else if (selected_ == index) selected_ = -1;
}

void SiteItems::Clear() {
    items_.clear();
    selected_ = -1;
}

}  // namespace windhover
