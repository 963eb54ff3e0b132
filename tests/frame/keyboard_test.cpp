// The keyboard in a form: the focus at the first show, Tab and Shift+Tab
// through the controls that can take it, the keys the focused control takes,
// and the focus moving on from a control that can no longer hold it.
#include "platform/forms/keys.h"
#include "tests/support/sim_test.h"

namespace {

struct Dialog : forms::Form {
    Dialog() : Form("Dialog") {
        design("Dialog", 4800, 3600);
        first.onClick = [this] { events.push_back("first clicked"); };
        box.onClick = [this] { events.push_back("box " + std::to_string(box.value())); };
        text.onKeyPress = [this](int& key) { events.push_back("key " + std::to_string(key)); };
        list.onClick = [this] { events.push_back("item " + std::to_string(list.listIndex())); };
        last.onClick = [this] { events.push_back("last clicked"); };
    }
    // The tab order is the order of making; the label and the frame are no tab stops.
    forms::Label label{*this, "label"};
    forms::CommandButton first{*this, "first"};
    forms::CheckBox box{*this, "box"};
    forms::Frame frame{*this, "frame"};
    forms::TextBox text{*this, "text"};
    forms::ListBox list{*this, "list"};
    forms::CommandButton last{*this, "last"};
    std::vector<std::string> events;

    forms::Control& named(const std::string& name) {
        for (forms::Control* control : controls())
            if (control->name() == name) return *control;
        throw std::logic_error("no control " + name);
    }
};

class KeyboardTest : public SimTest {
protected:
    Dialog& w() { return forms::The<Dialog>(); }
    std::string Focus() {
        const forms::Control* focus = w().focusedControl();
        return focus ? focus->name() : "none";
    }
    void Press(int key, int shift = 0) { sim::PressKey(w(), key, shift); }
};

TEST_F(KeyboardTest, TabAndShiftTabGoRoundTheControlsThatCanTakeTheFocus) {
    struct Case {
        const char* what;
        std::vector<std::string> hidden;
        std::vector<std::string> disabled;
        int shift;
        // The focus at the first show, then after each press.
        std::vector<std::string> focus;
    };
    const Case cases[] = {
        {"Tab, in the order of making", {}, {}, 0, {"first", "box", "text", "list", "last", "first"}},
        {"Shift+Tab, back", {}, {}, forms::kShiftMask, {"first", "last", "list", "text", "box", "first"}},
        {"hidden and disabled controls are passed over", {"box"}, {"list"}, 0, {"first", "text", "last", "first"}},
        {"the first that can take it has it at the show",
         {"first"},
         {"box"},
         forms::kShiftMask,
         {"text", "last", "list", "text"}},
        {"one control: Tab keeps it there", {"first", "box", "text"}, {"list"}, 0, {"last", "last"}},
        {"none can take it", {"first", "box", "text", "list"}, {"last"}, 0, {"none", "none"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        for (const std::string& name : c.hidden) w().named(name).setVisible(false);
        for (const std::string& name : c.disabled) w().named(name).setEnabled(false);
        w().Show();
        std::vector<std::string> seen{Focus()};
        for (std::size_t i = 1; i < c.focus.size(); ++i) {
            Press(forms::kKeyTab, c.shift);
            seen.push_back(Focus());
        }
        EXPECT_EQ(seen, c.focus);
        EXPECT_EQ(w().events, std::vector<std::string>{}) << "moving the focus clicks nothing";
    }
}

TEST_F(KeyboardTest, TheFocusedControlTakesItsOwnKeysAndLeavesTheRestToTheWindow) {
    struct Case {
        const char* what;
        const char* focus;
        int key;
        int shift;
        std::vector<std::string> events;
        std::string text = "";
    };
    const Case cases[] = {
        {"Space presses a button", "first", forms::kKeySpace, 0, {"first clicked"}},
        {"Enter presses a button", "last", forms::kKeyReturn, 0, {"last clicked"}},
        {"Space ticks a check box", "box", forms::kKeySpace, 0, {"box 1"}},
        {"Enter leaves a check box as it is", "box", forms::kKeyReturn, 0, {}},
        {"Ctrl+Space is no press", "first", forms::kKeySpace, forms::kCtrlMask, {}},
        {"Enter goes to a text box's KeyPress", "text", forms::kKeyReturn, 0, {"key 13"}},
        {"Space is typed into a text box", "text", forms::kKeySpace, 0, {"key 32"}, " "},
        {"Ctrl+Tab moves nothing", "first", forms::kKeyTab, forms::kCtrlMask, {}},
        {"Down selects the first item of a list", "list", forms::kKeyDown, 0, {"item 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        w().list.addItem("one");
        w().list.addItem("two");
        w().Show();
        w().named(c.focus).setFocus();
        Press(c.key, c.shift);
        EXPECT_EQ(w().events, c.events);
        EXPECT_EQ(w().text.text(), c.text);
        EXPECT_EQ(Focus(), c.focus);
    }
}

TEST_F(KeyboardTest, SpaceTicksAndClearsTheFocusedBoxAsAClickDoes) {
    w().Show();
    w().box.setFocus();
    Press(forms::kKeySpace);
    Press(forms::kKeySpace);
    EXPECT_EQ(w().events, (std::vector<std::string>{"box 1", "box 0"}));
}

TEST_F(KeyboardTest, ArrowsMoveTheSelectionOfTheFocusedListAndStopAtItsEnds) {
    for (const char* item : {"one", "two", "three"}) w().list.addItem(item);
    w().Show();
    w().list.setFocus();
    for (int key : {forms::kKeyDown, forms::kKeyDown, forms::kKeyDown, forms::kKeyDown, forms::kKeyUp}) Press(key);
    EXPECT_EQ(w().events, (std::vector<std::string>{"item 0", "item 1", "item 2", "item 1"}));
    EXPECT_EQ(Focus(), "list");
}

TEST_F(KeyboardTest, AControlThatCanNoLongerHoldTheFocusHandsItOn) {
    struct Case {
        const char* what;
        std::function<void(Dialog&)> change;
        const char* focus;
    };
    const Case cases[] = {
        {"the focused control disabled", [](Dialog& d) { d.box.setEnabled(false); }, "text"},
        {"the focused control hidden", [](Dialog& d) { d.box.setVisible(false); }, "text"},
        {"another control disabled", [](Dialog& d) { d.text.setEnabled(false); }, "box"},
        {"a hidden control given the focus",
         [](Dialog& d) {
             d.text.setVisible(false);
             d.text.setFocus();
         },
         "box"},
        {"a disabled control given the focus",
         [](Dialog& d) {
             d.last.setEnabled(false);
             d.last.setFocus();
         },
         "box"},
        {"a label given the focus", [](Dialog& d) { d.label.setFocus(); }, "box"},
        {"the last one disabled: round to the first",
         [](Dialog& d) {
             d.last.setFocus();
             d.last.setEnabled(false);
         },
         "first"},
        {"a control given the focus", [](Dialog& d) { d.list.setFocus(); }, "list"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        w().Show();
        w().box.setFocus();
        c.change(w());
        EXPECT_EQ(Focus(), c.focus);
    }
}

TEST_F(KeyboardTest, TheFocusStaysWhileTheFormIsHiddenAndStartsAfreshAfterAnUnload) {
    w().Show();
    w().list.setFocus();
    w().Hide();
    w().Show();
    EXPECT_EQ(Focus(), "list");
    w().Unload();
    EXPECT_EQ(w().focusedControl(), nullptr);
    w().Show();
    EXPECT_EQ(Focus(), "first");
}

}  // namespace
