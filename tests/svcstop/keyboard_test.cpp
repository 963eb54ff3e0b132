// nightjar by the keyboard: the focus at the first show of its windows, Tab
// and Shift+Tab round the main window's visible controls in their order, and
// Space and Enter on the focused one.
#include "frame/frm_about.h"
#include "platform/dialogs.h"
#include "platform/forms/keys.h"
#include "platform/sim/web_browser.h"
#include "svcstop/frm_startup.h"
#include "svcstop/frm_website.h"
#include "tests/svcstop/nightjar_test.h"

namespace {

namespace svc = platform::svc;

std::string NameOf(const forms::Control* control) { return control ? control->name() : "none"; }

struct TabCase {
    const char* name;
    std::uint32_t state;
    int shift;
    std::vector<std::string> focus;  // at the first show, then after each press
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }

class MainWindowTabTest : public NightjarTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(MainWindowTabTest, TheVisitButtonHasTheFocusFirstAndTabGoesRoundTheVisibleEnabledControls) {
    const TabCase& c = GetParam();
    messenger().status.currentState = c.state;
    Start();
    ASSERT_TRUE(main().visible());
    std::vector<std::string> seen{NameOf(main().focusedControl())};
    for (std::size_t i = 1; i < c.focus.size(); ++i) {
        sim::PressKey(main(), forms::kKeyTab, c.shift);
        seen.push_back(NameOf(main().focusedControl()));
    }
    EXPECT_EQ(seen, c.focus);
}

// A running service leaves Allow disabled, a stopped one Prevent.
INSTANTIATE_TEST_SUITE_P(
    Nightjar, MainWindowTabTest,
    ::testing::Values(TabCase{"Running",
                              svc::kRunning,
                              0,
                              {"cmdWebsite", "Command1", "cmdStop", "chkAuto", "chkStartup", "cmdWebsite"}},
                      TabCase{"RunningShiftTab",
                              svc::kRunning,
                              forms::kShiftMask,
                              {"cmdWebsite", "chkStartup", "chkAuto", "cmdStop", "Command1", "cmdWebsite"}},
                      TabCase{"Stopped",
                              svc::kStopped,
                              0,
                              {"cmdWebsite", "Command1", "cmdStart", "chkAuto", "chkStartup", "cmdWebsite"}}),
    [](const ::testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

class KeysTest : public StartedTest {
protected:
    void Press(int key, int shift = 0) { sim::PressKey(main(), key, shift); }
    std::string Focus() { return NameOf(main().focusedControl()); }
};

TEST_F(KeysTest, SpaceOnTheFocusedAutoBoxTicksItAndStoresTheMachineSetting) {
    Press(forms::kKeyTab, forms::kShiftMask);
    Press(forms::kKeyTab, forms::kShiftMask);
    ASSERT_EQ(Focus(), "chkAuto");
    Press(forms::kKeySpace);
    EXPECT_EQ(main().chkAuto.value(), 1);
    EXPECT_EQ(MachineSetting("Auto"), std::string("1\0", 2));
    Press(forms::kKeySpace);
    EXPECT_EQ(main().chkAuto.value(), 0);
    EXPECT_EQ(MachineSetting("Auto"), std::string("0\0", 2));
    EXPECT_EQ(MachineSetting("Startup"), "<none>");
}

TEST_F(KeysTest, EnterAndSpacePressTheFocusedButton) {
    Press(forms::kKeyTab);
    ASSERT_EQ(Focus(), "Command1");
    Press(forms::kKeyReturn);
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(p().messageBoxes[0].text.rfind("You are about to be sent a test message.", 0), 0u);

    Press(forms::kKeyTab);
    ASSERT_EQ(Focus(), "cmdStop");
    Press(forms::kKeySpace);
    EXPECT_EQ(State("Messenger"), svc::kStopped);
    EXPECT_EQ(Requests(), std::vector<std::string>{"Messenger:stop"});
    // Prevent is disabled now: the focus went on to the next control.
    EXPECT_FALSE(main().cmdStop.enabled());
    EXPECT_EQ(Focus(), "chkAuto");
    EXPECT_EQ(main().chkAuto.value(), 0);
}

// The commands that hand the focus to the list, which is never shown: the
// focus stays where the user had it.
TEST_F(KeysTest, TheHiddenListNeverTakesTheFocus) {
    Press(forms::kKeyTab);
    ASSERT_EQ(Focus(), "Command1");
    p().answers = {sim::Answer(platform::kIdYes)};
    User([&] { main().cmdPause_Click(); });
    ASSERT_EQ(State("Messenger"), svc::kPaused);
    EXPECT_EQ(Focus(), "Command1");
    User([&] { main().cmdContinue_Click(); });
    ASSERT_EQ(State("Messenger"), svc::kRunning);
    EXPECT_EQ(Focus(), "Command1");
    p().userActions.push_back([] { forms::The<nightjar::frmStartup>().cmdCancel.userClick(); });
    User([&] { main().cmdStartup_Click(); });
    EXPECT_FALSE(forms::The<nightjar::frmStartup>().loaded());
    EXPECT_EQ(Focus(), "Command1");
}

TEST_F(KeysTest, TheWebsiteWindowStartsInItsAddressBoxWhereEnterGoesToWhatWasTyped) {
    main().mnuAboutItem0.userClick();
    EXPECT_EQ(forms::The<frmAbout>().focusedControl(), nullptr) << "the about box has nothing to focus";
    forms::The<frmAbout>().lblWebsite.userClick();
    auto& website = forms::The<nightjar::frmWebsite>();
    ASSERT_TRUE(website.visible());
    EXPECT_EQ(NameOf(website.focusedControl()), "Text1");
    website.Text1.userType("example.org/page");
    sim::PressKey(website, forms::kKeyReturn);
    ASSERT_NE(sim::BrowserOf(website.WebBrowser1), nullptr);
    EXPECT_EQ(sim::BrowserOf(website.WebBrowser1)->navigations().back(), "example.org/page");
    sim::PressKey(website, forms::kKeyTab);
    EXPECT_EQ(NameOf(website.focusedControl()), "Command3");
}

}  // namespace
