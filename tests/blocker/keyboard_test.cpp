// windhover's windows by the keyboard: the control that has the focus when
// each first shows, and Tab and Space in them.
#include "platform/forms/keys.h"
#include "tests/blocker/blocker_fixture.h"
#include "tests/blocker/main_window_fixture.h"

namespace {

std::string NameOf(const forms::Control* control) { return control ? control->name() : "none"; }

// The focus at the show, then after Tab and after Shift+Tab.
std::vector<std::string> TabRound(forms::Form& window) {
    std::vector<std::string> seen{NameOf(window.focusedControl())};
    sim::PressKey(window, forms::kKeyTab);
    seen.push_back(NameOf(window.focusedControl()));
    sim::PressKey(window, forms::kKeyTab, forms::kShiftMask);
    seen.push_back(NameOf(window.focusedControl()));
    return seen;
}

TEST_F(MainWindowTest, TheMainWindowAndTheHelpWindowStartAtTheirFirstControls) {
    Start();
    ASSERT_TRUE(main().visible());
    ASSERT_TRUE(help().visible()) << "the first start shows the help";
    EXPECT_EQ(TabRound(main()), (std::vector<std::string>{"Check1", "Check2", "Check1"}));
    EXPECT_EQ(TabRound(help()), (std::vector<std::string>{"rtf1", "Check1", "rtf1"}));
}

TEST_F(MainWindowTest, SpaceOnTheHelpWindowsFocusedBoxStoresItAtOnce) {
    Start();
    sim::PressKey(help(), forms::kKeyTab);
    ASSERT_EQ(NameOf(help().focusedControl()), "Check1");
    sim::PressKey(help(), forms::kKeySpace);
    EXPECT_EQ(help().Check1.value(), 0);
    EXPECT_EQ(Stored("showHelp"), "0");
}

TEST_F(BlockerTest, ThePromptStartsInItsSiteBox) {
    windhover::PromptSite = "www.asker.example";
    prompt().Show();
    EXPECT_EQ(TabRound(prompt()), (std::vector<std::string>{"Text1", "Command1", "Text1"}));
}

}  // namespace
