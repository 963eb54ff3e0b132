// The list box: its items in added or sorted order, the selection that stays
// with its item, and the click that the user's selection and a change of
// ListIndex raise.
#include "platform/error.h"
#include "tests/support/sim_test.h"

namespace {

struct Lists : forms::Form {
    Lists() : Form("Lists") {
        design("Lists", 4800, 3600);
        plain.addItem("design item");
        plain.onClick = [this] { clicks.push_back(plain.listIndex()); };
    }
    forms::ListBox plain{*this, "plain"};
    forms::ListBox sorted{*this, "sorted", {}, {.sorted = true}};
    std::vector<int> clicks;  // the list index each click saw
};

class ListBoxTest : public SimTest {
protected:
    Lists& w() { return forms::The<Lists>(); }
    static std::vector<std::string> Items(const forms::ListBox& box) { return box.items(); }
};

TEST_F(ListBoxTest, ItemsStandInAddedOrderOrSortedWithoutRegardToCase) {
    w().Show();
    for (const char* site : {"b.example", "A.example", "c.example", "a.example", "  "}) {
        w().plain.addItem(site);
        w().sorted.addItem(site);
    }
    EXPECT_EQ(Items(w().plain),
              (std::vector<std::string>{"design item", "b.example", "A.example", "c.example", "a.example", "  "}));
    // Equal texts keep the order they came in.
    EXPECT_EQ(Items(w().sorted), (std::vector<std::string>{"  ", "A.example", "a.example", "b.example", "c.example"}));
    EXPECT_EQ(w().sorted.listCount(), 5);
    EXPECT_EQ(w().sorted.list(1), "A.example");
}

TEST_F(ListBoxTest, TheSelectionStaysWithItsItem) {
    struct Case {
        const char* what;
        std::function<void(forms::ListBox&)> change;
        int listIndex;
    };
    const Case cases[] = {
        {"an item sorted in before it", [](forms::ListBox& b) { b.addItem("a"); }, 2},
        {"an item sorted in after it", [](forms::ListBox& b) { b.addItem("z"); }, 1},
        {"removing an item before it", [](forms::ListBox& b) { b.removeItem(0); }, 0},
        {"removing an item after it", [](forms::ListBox& b) { b.removeItem(2); }, 1},
        {"removing it", [](forms::ListBox& b) { b.removeItem(1); }, -1},
        {"clearing the list", [](forms::ListBox& b) { b.clear(); }, -1},
    };
    for (const Case& c : cases) {
        sim::Reset();
        w().Show();
        for (const char* item : {"b", "c", "d"}) w().sorted.addItem(item);
        w().sorted.setListIndex(1);
        c.change(w().sorted);
        EXPECT_EQ(w().sorted.listIndex(), c.listIndex) << c.what;
        if (c.listIndex >= 0) {
            EXPECT_EQ(w().sorted.list(c.listIndex), "c") << c.what;
        }
    }
}

TEST_F(ListBoxTest, SettingListIndexRaisesClickOnAChangeAndRefusesANumberOutsideTheList) {
    w().Show();
    w().plain.addItem("second");
    w().plain.setListIndex(1);
    w().plain.setListIndex(1);
    w().plain.setListIndex(-1);
    EXPECT_EQ(w().clicks, (std::vector<int>{1, -1}));
    EXPECT_FALSE(w().plain.selected(0));
    EXPECT_EQ(ErrorNumber([&] { w().plain.setListIndex(2); }), platform::kErrInvalidPropertyValue);
    EXPECT_EQ(ErrorNumber([&] { w().plain.setListIndex(-2); }), platform::kErrInvalidPropertyValue);
    EXPECT_EQ(w().plain.listIndex(), -1);
    EXPECT_EQ(w().clicks.size(), 2u);
}

TEST_F(ListBoxTest, ANumberOutsideTheListCannotBeReadOrRemoved) {
    w().Show();
    for (int index : {-1, 1}) {
        EXPECT_EQ(ErrorNumber([&] { w().plain.list(index); }), platform::kErrInvalidArrayIndex) << index;
        EXPECT_EQ(ErrorNumber([&] { w().plain.removeItem(index); }), platform::kErrInvalidArrayIndex) << index;
    }
    EXPECT_EQ(ErrorNumber([&] { w().sorted.list(0); }), platform::kErrInvalidArrayIndex);
    EXPECT_EQ(Items(w().plain), (std::vector<std::string>{"design item"}));
}

TEST_F(ListBoxTest, TheUsersSelectionRaisesClickWithTheNewIndexAndAnErrorInItIsShown) {
    m().ownVersion.productName = "Windhover";
    w().Show();
    w().plain.addItem("second");
    w().plain.userSelect(1);
    w().plain.userSelect(1);  // a click on the selected item is a click all the same
    EXPECT_EQ(w().clicks, (std::vector<int>{1, 1}));
    EXPECT_TRUE(w().plain.selected(1));

    w().plain.setEnabled(false);
    w().plain.userSelect(0);
    EXPECT_EQ(w().plain.listIndex(), 1) << "a disabled list takes no selection";
    w().plain.setEnabled(true);

    w().plain.onClick = [] { throw platform::Error(53, "File not found"); };
    w().plain.userSelect(0);
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(w().plain.listIndex(), 0);
}

// The native list shows the control's items; adding or removing one item
// writes that item alone, so a list filled one item at a time costs one
// write an item, not the whole list again each time.
TEST_F(ListBoxTest, TheNativeListTakesEachAddedOrRemovedItemAlone) {
    w().Show();
    const auto native = [&](const forms::ListBox& box) { return sim::FindWindow(box.hwnd()); };
    EXPECT_EQ(native(w().plain)->items, (std::vector<std::string>{"design item"}));
    const std::size_t before = native(w().plain)->itemWrites;
    constexpr int kItems = 500;
    for (int i = 0; i < kItems; ++i) {
        w().plain.addItem("site" + std::to_string(i));
        w().sorted.addItem("site" + std::to_string(kItems - i));
    }
    EXPECT_EQ(native(w().plain)->itemWrites - before, static_cast<std::size_t>(kItems));
    EXPECT_EQ(native(w().sorted)->itemWrites, static_cast<std::size_t>(kItems));
    w().plain.removeItem(0);
    w().sorted.removeItem(kItems - 1);
    EXPECT_EQ(native(w().plain)->itemWrites - before, static_cast<std::size_t>(kItems)) << "a removal writes none";
    EXPECT_EQ(native(w().plain)->items, Items(w().plain));
    EXPECT_EQ(native(w().sorted)->items, Items(w().sorted));
}

// Adding many items at once gives the order and selection that adding them
// one by one gives, and writes the native list once.
TEST_F(ListBoxTest, AddingManyAtOnceIsAddingThemOneByOne) {
    struct Case {
        const char* what;
        std::vector<std::string> before;
        int selected;
        std::vector<std::string> added;
    };
    const Case cases[] = {
        {"into an empty list", {}, -1, {"b", "A", "c", "a", "B", " "}},
        {"equal texts behind the ones there", {"a", "B", "c"}, 1, {"b", "A", "C", "a", "b"}},
        {"all before the selected item", {"x", "y"}, 0, {"c", "b", "a"}},
        {"all after the selected item", {"a", "b"}, 1, {"z", "y"}},
        {"nothing", {"a"}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool sorted : {false, true}) {
            sim::Reset();
            w().Show();
            forms::ListBox& one = sorted ? w().sorted : w().plain;
            one.clear();
            for (const std::string& item : c.before) one.addItem(item);
            one.setListIndex(c.selected);
            for (const std::string& item : c.added) one.addItem(item);
            const std::vector<std::string> expected = Items(one);
            const int expectedIndex = one.listIndex();

            one.clear();
            for (const std::string& item : c.before) one.addItem(item);
            one.setListIndex(c.selected);
            const std::size_t writes = sim::FindWindow(one.hwnd())->itemWrites;
            one.addItems(c.added);
            EXPECT_EQ(Items(one), expected) << (sorted ? "sorted" : "plain");
            EXPECT_EQ(one.listIndex(), expectedIndex) << (sorted ? "sorted" : "plain");
            EXPECT_EQ(sim::FindWindow(one.hwnd())->items, expected);
            EXPECT_EQ(sim::FindWindow(one.hwnd())->itemWrites - writes, c.added.empty() ? 0 : expected.size());
        }
    }
}

TEST_F(ListBoxTest, UnloadGivesBackTheDesignItemsWithNothingSelected) {
    w().Show();
    ASSERT_NE(sim::FindWindow(w().plain.hwnd()), nullptr);
    w().plain.setVisible(false);
    EXPECT_FALSE(sim::FindWindow(w().plain.hwnd())->visible);
    w().plain.addItem("run time");
    w().plain.setListIndex(1);
    w().sorted.addItem("x");
    w().Unload();
    EXPECT_EQ(Items(w().plain), (std::vector<std::string>{"design item"}));
    EXPECT_EQ(w().plain.listIndex(), -1);
    EXPECT_EQ(w().sorted.listCount(), 0);
    EXPECT_TRUE(w().sorted.sorted());
}

}  // namespace
