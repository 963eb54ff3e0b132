// The report-view list: its columns, keyed rows, sub-items, colours and the selection.
#include "platform/forms/list_view.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/forms/form.h"
#include "platform/forms/text_order.h"

namespace forms {

namespace {

[[noreturn]] void IndexOutOfBounds() { throw platform::Error(platform::kErrIndexOutOfBounds, "Index out of bounds"); }

bool RowBefore(const std::unique_ptr<ListItem>& a, const std::unique_ptr<ListItem>& b) {
    return LessIgnoringCase(a->text(), b->text());
}

}  // namespace

ListItem::ListItem(ListView& view, std::uintptr_t id, std::string key, std::string text)
    : view_(view), id_(id), key_(std::move(key)), text_(std::move(text)) {}

void ListItem::setText(const std::string& text) {
    text_ = text;
    view_.rowChanged(*this, true);
}

// Looked for from the end: the row a program fills is mostly the one it
// has just added.
int ListItem::index() const {
    const auto& rows = view_.items();
    auto place = std::find_if(rows.rbegin(), rows.rend(), [this](const auto& row) { return row.get() == this; });
    return static_cast<int>(rows.rend() - place);
}

const std::string& ListItem::subItem(int index) const {
    static const std::string kEmpty;
    if (index < 1 || index >= view_.columnCount())
        throw platform::Error(platform::kErrInvalidPropertyValue, "Invalid property value");
    const auto slot = static_cast<std::size_t>(index - 1);
    return slot < subItems_.size() ? subItems_[slot] : kEmpty;
}

void ListItem::setSubItem(int index, const std::string& text) {
    subItem(index);  // checks the number
    const auto slot = static_cast<std::size_t>(index - 1);
    if (slot >= subItems_.size()) subItems_.resize(slot + 1);
    subItems_[slot] = text;
    view_.rowChanged(*this, false);
}

void ListItem::setForeColor(std::uint32_t color) {
    foreColor_ = color;
    view_.rowChanged(*this, false);
}

bool ListItem::selected() const { return view_.selectedItem() == this; }

void ListItem::setSelected(bool selected) {
    if (selected)
        view_.select(this);
    else if (this->selected())
        view_.select(nullptr);
}

bool ListView::KeyOrder::operator()(const std::string& a, const std::string& b) const { return LessIgnoringCase(a, b); }

ListView::ListView(Form& form, std::string name, ControlDesign design)
    : Control(form, "ListView", std::move(name), std::move(design)) {}

void ListView::addColumn(const std::string& text, double width, ColumnAlignment alignment) {
    options_.columns.push_back(ColumnHeader{text, width, alignment});
    changed(Prop::Columns);
}

const ColumnHeader& ListView::column(int index) const {
    if (index < 1 || index > columnCount()) IndexOutOfBounds();
    return options_.columns[static_cast<std::size_t>(index - 1)];
}

void ListView::setSorted(bool sorted) {
    options_.sorted = sorted;
    sort();
    changed(Prop::Items);
}

void ListView::setHideColumnHeaders(bool hide) {
    options_.hideColumnHeaders = hide;
    changed(Prop::Columns);
}

void ListView::setFullRowSelect(bool full) {
    options_.fullRowSelect = full;
    changed(Prop::Columns);
}

void ListView::sort() {
    if (options_.sorted) std::stable_sort(rows_.begin(), rows_.end(), RowBefore);
}

ListItem& ListView::add(const std::string& key, const std::string& text) {
    if (!key.empty() && findItem(key))
        throw platform::Error(platform::kErrKeyNotUnique, "Key is not unique in collection");
    auto row = std::make_unique<ListItem>(*this, nextId_++, key, text);
    ListItem& added = *row;
    auto place = options_.sorted ? std::upper_bound(rows_.begin(), rows_.end(), row, RowBefore) : rows_.end();
    const int index = static_cast<int>(place - rows_.begin());
    rows_.insert(place, std::move(row));
    if (!key.empty()) keys_[key] = &added;
    itemChanged(ItemChange::Added, index);
    if (rows_.size() == 1) select(&added);
    return added;
}

ListItem& ListView::item(int index) const {
    if (index < 1 || index > itemCount()) IndexOutOfBounds();
    return *rows_[static_cast<std::size_t>(index - 1)];
}

ListItem* ListView::findItem(const std::string& key) const {
    const auto found = keys_.find(key);
    return found == keys_.end() ? nullptr : found->second;
}

ListItem* ListView::itemById(std::uintptr_t id) const {
    for (const auto& row : rows_)
        if (row->id() == id) return row.get();
    return nullptr;
}

void ListView::clear() {
    selected_ = nullptr;
    keys_.clear();
    rows_.clear();
    changed(Prop::Items);
}

void ListView::select(ListItem* row) {
    if (row == selected_) return;
    selected_ = row;
    changed(Prop::Selection);
}

void ListView::rowChanged(const ListItem& row, bool textChanged) {
    if (textChanged && options_.sorted) {
        sort();
        changed(Prop::Items);
    } else {
        itemChanged(ItemChange::Changed, row.index() - 1);
    }
}

void ListView::userClickItem(ListItem& row) {
    if (!enabled()) return;
    Dispatch([this, &row] {
        select(&row);
        if (onItemClick) onItemClick(row);
    });
}

void ListView::userKeyDown(int keyCode, int shift) {
    if (!enabled()) return;
    Dispatch([this, keyCode, shift] {
        if (onKeyDown) onKeyDown(static_cast<std::int16_t>(keyCode), static_cast<std::int16_t>(shift));
    });
}

void ListView::userSelect(ListItem* row) { selected_ = row; }

void ListView::captureDesign() {
    Control::captureDesign();
    design_ = options_;
}

void ListView::restoreDesign() {
    Control::restoreDesign();
    options_ = design_;
    selected_ = nullptr;
    keys_.clear();
    rows_.clear();
}

}  // namespace forms
