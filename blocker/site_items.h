#pragma once
// The items of a site list on the main window, with the user's selection.
// Kept in memory only: the window does not show them yet. The members are
// named as a list box names them, so that one can take this one's place.
#include <string>
#include <vector>

namespace windhover {

class SiteItems {
public:
    void AddItem(const std::string& item);
    // An index outside the list raises error 5.
    void RemoveItem(int index);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;
    bool Selected(int index) const;
    // One item at most is selected: selecting one clears the others.
    void setSelected(int index, bool selected);
    void Clear();

private:
    void check(int index) const;

    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace windhover
