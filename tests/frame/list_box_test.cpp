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
    EXPECT_EQ(Items(w().plain), (std::vector<std::string>{"design item", "b.example", "A.example", "c.example",
                                                          "a.example", "  "}));
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
