#pragma once
// A report-view list: rows of text under column headers, each row with an
// optional key, sub-items for the columns after the first and a text colour;
// one row at a time may be selected.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

class ListView;

enum class ColumnAlignment { Left = 0, Right = 1, Center = 2 };

struct ColumnHeader {
    std::string text;
    double width = 1440;  // twips
    ColumnAlignment alignment = ColumnAlignment::Left;
};

// One row of a list view. It belongs to its list: a reference to it stays
// good until the list is cleared or its form unloads.
class ListItem {
public:
    ListItem(ListView& view, std::uintptr_t id, std::string key, std::string text);
    const std::string& key() const { return key_; }
    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // The row's place in the list, from 1.
    int index() const;
    // The texts of the columns after the first: sub-item 1 is column 2. A
    // number without a column raises 380.
    const std::string& subItem(int index) const;
    void setSubItem(int index, const std::string& text);
    // The text colour of the row's first column; kSystemColor for the list's own.
    std::uint32_t foreColor() const { return foreColor_; }
    void setForeColor(std::uint32_t color);
    bool selected() const;
    // Selecting a row takes the selection from any other; no event is raised.
    void setSelected(bool selected);
    // Backend use: the row's number for its native item, unique within the list.
    std::uintptr_t id() const { return id_; }

private:
    ListView& view_;
    std::uintptr_t id_;
    std::string key_;
    std::string text_;
    std::vector<std::string> subItems_;
    std::uint32_t foreColor_ = kSystemColor;
};

class ListView : public Control {
public:
    ListView(Form& form, std::string name, ControlDesign design = {});

    // Column headers, numbered from 1; a number that does not exist raises 35600.
    void addColumn(const std::string& text, double width, ColumnAlignment alignment = ColumnAlignment::Left);
    int columnCount() const { return static_cast<int>(options_.columns.size()); }
    const ColumnHeader& column(int index) const;
    const std::vector<ColumnHeader>& columns() const { return options_.columns; }

    // Display options.
    bool sorted() const { return options_.sorted; }
    // Sorting keeps the rows in alphabetical order of their text, case aside.
    void setSorted(bool sorted);
    bool hideColumnHeaders() const { return options_.hideColumnHeaders; }
    void setHideColumnHeaders(bool hide);
    bool fullRowSelect() const { return options_.fullRowSelect; }
    void setFullRowSelect(bool full);

    // Adds a row at the end, or in its place when sorted. A key another row
    // has, case aside, raises 35602; an empty key is no key. The first row of
    // an empty list becomes its selected row.
    ListItem& add(const std::string& key, const std::string& text);
    int itemCount() const { return static_cast<int>(rows_.size()); }
    // Rows are numbered from 1; a number that does not exist raises 35600.
    ListItem& item(int index) const;
    // The row with that key, case aside; nullptr when there is none.
    ListItem* findItem(const std::string& key) const;
    ListItem* selectedItem() const { return selected_; }
    // Removes every row.
    void clear();
    const std::vector<std::unique_ptr<ListItem>>& items() const { return rows_; }

    // The user clicking a row: selects it and raises onItemClick.
    void userClickItem(ListItem& row);
    // A key pressed in the list, before the list moves its own selection for
    // it: raises onKeyDown.
    void userKeyDown(int keyCode, int shift);
    // The list itself moving its selection (by the arrow keys); no event.
    void userSelect(ListItem* row);
    std::function<void(ListItem& item)> onItemClick;
    std::function<void(std::int16_t keyCode, std::int16_t shift)> onKeyDown;

    bool tabStop() const override { return true; }

    // Backend use: the row of a native item.
    ListItem* itemById(std::uintptr_t id) const;

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    friend class ListItem;
    struct Options {
        std::vector<ColumnHeader> columns;
        bool sorted = false;
        bool hideColumnHeaders = false;
        bool fullRowSelect = false;
    };
    void select(ListItem* row);
    // A row's text or look changed; a new text may move it in a sorted list.
    void rowChanged(const ListItem& row, bool textChanged);
    void sort();

    struct KeyOrder {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    Options options_;
    std::vector<std::unique_ptr<ListItem>> rows_;
    // The rows that have a key, by their key, case aside.
    std::map<std::string, ListItem*, KeyOrder> keys_;
    ListItem* selected_ = nullptr;
    std::uintptr_t nextId_ = 1;
    Options design_;
};

}  // namespace forms
