// The report-view list: keyed rows found without regard to case, sub-items
// under the columns, the selection, the row click and the key-down event that
// comes before the list moves its own selection.
#include "platform/error.h"
#include "platform/messages.h"
#include "tests/support/sim_test.h"

namespace {

constexpr std::uintptr_t kUp = 38, kDown = 40, kHome = 36;

struct Services : forms::Form {
    Services() : Form("Services") {
        design("Services", 7500, 6000);
        list.addColumn("Name", 3000);
        list.onItemClick = [this](forms::ListItem& row) { clicked.push_back(row.key()); };
        list.onKeyDown = [this](std::int16_t key, std::int16_t shift) {
            const forms::ListItem* selected = list.selectedItem();
            keys.push_back({key, shift, selected ? selected->index() : 0});
        };
    }
    forms::ListView list{*this, "list", {.visible = false}};
    struct Key {
        int code, shift, selectedIndex;
        bool operator==(const Key&) const = default;
    };
    std::vector<std::string> clicked;
    std::vector<Key> keys;
};

class ListViewTest : public SimTest {
protected:
    Services& w() { return forms::The<Services>(); }
    forms::ListView& list() { return w().list; }
    // Three columns and the rows "b", "c" and "a" under the keys B, C and A.
    void ShowWithRows(bool sorted = false) {
        w().Show();
        list().addColumn("Status", 1000, forms::ColumnAlignment::Center);
        list().addColumn("Startup", 1000, forms::ColumnAlignment::Center);
        list().setSorted(sorted);
        for (const char* text : {"b", "c", "a"}) list().add(std::string(1, static_cast<char>(text[0] - 32)), text);
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& row : list().items()) texts.push_back(row->text());
        return texts;
    }
    void Key(std::uintptr_t code) {
        sim::AsUser([&] { sim::Send(sim::Message{list().hwnd(), platform::msg::kKeyDown, code, 0}); });
    }
};

TEST_F(ListViewTest, RowsAreFoundByKeyWithoutRegardToCaseAndAKeyIsUnique) {
    ShowWithRows();
    forms::ListItem& messenger = list().add("MESSENGER", "Messenger");
    EXPECT_EQ(list().findItem("MESSENGER"), &messenger);
    EXPECT_EQ(list().findItem("Messenger"), &messenger);
    EXPECT_EQ(list().findItem("Alerter"), nullptr);
    EXPECT_EQ(list().findItem(""), nullptr);
    EXPECT_EQ(messenger.key(), "MESSENGER");

    EXPECT_EQ(ErrorNumber([&] { list().add("messenger", "again"); }), platform::kErrKeyNotUnique);
    EXPECT_EQ(list().itemCount(), 4);
    // Rows without a key are not alike.
    list().add("", "one");
    list().add("", "two");
    EXPECT_EQ(list().itemCount(), 6);
}

TEST_F(ListViewTest, RowsAreNumberedFromOneInTheirOrderAndSortedRowsFollowTheirText) {
    ShowWithRows();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(list().findItem("A")->index(), 3);
    EXPECT_EQ(&list().item(1), list().findItem("B"));
    for (int index : {0, 4})
        EXPECT_EQ(ErrorNumber([&] { list().item(index); }), platform::kErrIndexOutOfBounds) << index;

    list().setSorted(true);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list().findItem("A")->index(), 1);
    list().add("D", "B2");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b", "B2", "c"}));
    list().findItem("A")->setText("z");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"b", "B2", "c", "z"}));
}

TEST_F(ListViewTest, SubItemsStandUnderTheColumnsAfterTheFirst) {
    ShowWithRows();
    forms::ListItem& row = list().item(1);
    EXPECT_EQ(row.subItem(1), "");
    row.setSubItem(1, "Started");
    row.setSubItem(2, "Automatic");
    EXPECT_EQ(row.subItem(1), "Started");
    EXPECT_EQ(row.subItem(2), "Automatic");
    for (int index : {0, 3}) {
        EXPECT_EQ(ErrorNumber([&] { row.subItem(index); }), platform::kErrInvalidPropertyValue) << index;
        EXPECT_EQ(ErrorNumber([&] { row.setSubItem(index, "x"); }), platform::kErrInvalidPropertyValue) << index;
    }
    EXPECT_EQ(row.foreColor(), forms::kSystemColor);
    row.setForeColor(0x0000FF);
    EXPECT_EQ(row.foreColor(), 0x0000FFu);
    EXPECT_EQ(list().column(2).text, "Status");
    EXPECT_EQ(list().column(2).alignment, forms::ColumnAlignment::Center);
    EXPECT_EQ(ErrorNumber([&] { list().column(4); }), platform::kErrIndexOutOfBounds);
}

TEST_F(ListViewTest, TheFirstRowOfAnEmptyListIsSelectedAndOneRowAtATimeIs) {
    w().Show();
    EXPECT_EQ(list().selectedItem(), nullptr);
    forms::ListItem& first = list().add("A", "a");
    forms::ListItem& second = list().add("B", "b");
    EXPECT_EQ(list().selectedItem(), &first);
    second.setSelected(true);
    EXPECT_TRUE(second.selected());
    EXPECT_FALSE(first.selected());
    first.setSelected(false);  // not the selected row: nothing changes
    EXPECT_EQ(list().selectedItem(), &second);
    second.setSelected(false);
    EXPECT_EQ(list().selectedItem(), nullptr);
    EXPECT_TRUE(w().clicked.empty()) << "selecting from code raises no click";

    list().clear();
    EXPECT_EQ(list().itemCount(), 0);
    EXPECT_EQ(list().selectedItem(), nullptr);
    forms::ListItem& next = list().add("C", "c");
    EXPECT_EQ(list().selectedItem(), &next);
}

TEST_F(ListViewTest, TheUsersClickSelectsTheRowAndGivesItToTheHandler) {
    ShowWithRows();
    list().userClickItem(list().item(3));
    EXPECT_EQ(w().clicked, (std::vector<std::string>{"A"}));
    EXPECT_EQ(list().selectedItem(), &list().item(3));
    list().setEnabled(false);
    list().userClickItem(list().item(1));
    EXPECT_EQ(w().clicked.size(), 1u);
    EXPECT_EQ(list().selectedItem(), &list().item(3));
}

TEST_F(ListViewTest, KeyDownComesBeforeTheListMovesItsSelection) {
    ShowWithRows();  // row 1 selected
    Key(kDown);
    Key(kDown);
    Key(kDown);  // at the last row: stays
    Key(kHome);  // not an arrow: the list keeps its row here
    Key(kUp);
    using K = Services::Key;
    EXPECT_EQ(w().keys, (std::vector<K>{{40, 0, 1}, {40, 0, 2}, {40, 0, 3}, {36, 0, 3}, {38, 0, 3}}));
    EXPECT_EQ(list().selectedItem()->index(), 2);
    EXPECT_TRUE(w().clicked.empty()) << "moving by keys is no click";

    list().userKeyDown(40, 1);
    EXPECT_EQ(w().keys.back(), (K{40, 1, 2}));
    EXPECT_EQ(list().selectedItem()->index(), 2) << "the event alone moves nothing";
}

TEST_F(ListViewTest, AKeyDownHandlerThatUnloadsTheFormEndsTheKeyThere) {
    ShowWithRows();
    list().onKeyDown = [this](std::int16_t, std::int16_t) { w().Unload(); };
    EXPECT_NO_THROW(Key(kDown));
    EXPECT_FALSE(w().loaded());
    EXPECT_EQ(list().itemCount(), 0);
}

// The native list shows the rows; adding a row or changing one writes that
// row alone, so filling a list row by row costs a few writes a row.
TEST_F(ListViewTest, TheNativeListTakesEachAddedOrChangedRowAlone) {
    ShowWithRows();
    const sim::Window& native = *sim::FindWindow(list().hwnd());
    const std::size_t before = native.itemWrites;
    constexpr int kRows = 500;
    for (int i = 0; i < kRows; ++i) {
        forms::ListItem& row = list().add("K" + std::to_string(i), "row " + std::to_string(i));
        row.setSubItem(1, "Started");
        row.setForeColor(0x0000FF);
    }
    EXPECT_EQ(native.itemWrites - before, static_cast<std::size_t>(3 * kRows));
    list().item(1).setText("first");
    EXPECT_EQ(native.items, Texts());

    list().setSorted(true);
    list().item(2).setText("0 first");  // moves to the top
    EXPECT_EQ(native.items, Texts());
    EXPECT_EQ(native.items.front(), "0 first");
    list().clear();
    EXPECT_TRUE(native.items.empty());
}

TEST_F(ListViewTest, UnloadGivesBackTheDesignColumnsAndOptionsWithoutRows) {
    ShowWithRows(true);
    list().setHideColumnHeaders(true);
    list().setFullRowSelect(true);
    EXPECT_FALSE(sim::FindWindow(list().hwnd())->visible);
    list().setVisible(true);
    EXPECT_TRUE(sim::FindWindow(list().hwnd())->visible);
    w().Unload();
    EXPECT_EQ(list().columnCount(), 1);
    EXPECT_FALSE(list().sorted());
    EXPECT_FALSE(list().hideColumnHeaders());
    EXPECT_FALSE(list().fullRowSelect());
    EXPECT_FALSE(list().visible());
    EXPECT_EQ(list().itemCount(), 0);
    EXPECT_EQ(list().selectedItem(), nullptr);
}

}  // namespace
