// The forms layer's own rules, which every window relies on.
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/sim/sim_hang.h"
#include "tests/support/sim_test.h"

namespace {

struct Window : forms::Form {
    Window() : Form("Window") {
        design("Design caption", 4800, 3600);
        box.setCaption("box");
        onLoad = [this] { ++loads; };
        onQueryUnload = [this](int& cancel, int mode) {
            modes.push_back(mode);
            cancel = refuseToClose;
        };
        box.onClick = [this] { ++clicks; };
        timer.setInterval(100);
        timer.onTimer = [this] { ++ticks; };
    }
    forms::CheckBox box{*this, "box"};
    forms::StatusBar status{*this, "status"};
    forms::Timer timer{*this, "timer"};
    forms::CommandButton ok{*this, "ok"};
    int loads = 0, clicks = 0, ticks = 0, refuseToClose = 0;
    std::vector<int> modes;
};

class FormsTest : public SimTest {
protected:
    Window& w() { return forms::The<Window>(); }
};

TEST_F(FormsTest, SettingACheckBoxRaisesItsClickOnlyOnAChange) {
    w().Show();
    w().box.setValue(1);
    w().box.setValue(1);
    w().box.setValue(0);
    EXPECT_EQ(w().clicks, 2);
    EXPECT_THROW(w().box.setValue(3), platform::Error);
    EXPECT_EQ(w().box.value(), 0);
}

TEST_F(FormsTest, WritingAPanelThatDoesNotExistFails) {
    w().Show();
    EXPECT_EQ(w().status.panelCount(), 1);
    EXPECT_NO_THROW(w().status.setPanelText(1, "one"));
    try {
        w().status.setPanelText(2, "two");
        FAIL() << "panel 2 does not exist";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::kErrIndexOutOfBounds);
    }
    w().status.addPanel();
    EXPECT_NO_THROW(w().status.setPanelText(2, "two"));
}

TEST_F(FormsTest, UnloadRestoresTheDesignAndTheNextLoadRunsAgain) {
    w().Show();
    w().setCaption("Run time");
    w().box.setValue(1);
    w().status.addPanel();
    w().Unload();
    EXPECT_FALSE(w().loaded());
    EXPECT_EQ(w().caption(), "Design caption");
    EXPECT_EQ(w().box.value(), 0);
    EXPECT_EQ(w().status.panelCount(), 1);
    w().Show();
    EXPECT_EQ(w().loads, 2);
    EXPECT_EQ(w().modes, (std::vector<int>{forms::kFromCode}));
}

TEST_F(FormsTest, TheCloseBoxAsksFirstAndACancelKeepsTheWindow) {
    w().Show();
    w().refuseToClose = 1;
    w().userClose();
    EXPECT_TRUE(w().loaded());
    w().refuseToClose = 0;
    w().userClose();
    EXPECT_FALSE(w().loaded());
    EXPECT_EQ(w().modes, (std::vector<int>{forms::kFromControlMenu, forms::kFromControlMenu}));
}

TEST_F(FormsTest, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
    m().ownVersion.productName = "Nightjar";
    w().Show();
    w().ok.onClick = [] { throw platform::Error(5, "Access is denied."); };
    w().ok.userClick();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(p().messageBoxes[0].title, "Nightjar");
    EXPECT_NE(p().messageBoxes[0].text.find("Access is denied."), std::string::npos);
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconError);
    EXPECT_TRUE(w().loaded());
    EXPECT_FALSE(p().ended);
}

TEST_F(FormsTest, EndingTheProgramUnwindsEveryHandler) {
    w().Show();
    bool after = false;
    w().ok.onClick = [&] {
        w().box.onClick = [] { platform::EndProgram(); };
        w().box.setValue(1);
        after = true;
    };
    w().ok.userClick();
    EXPECT_TRUE(p().ended);
    EXPECT_FALSE(after) << "code after the end must not run";
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(FormsTest, AnEndWhileAnErrorIsShownEndsTheProgramQuietly) {
    w().Show();
    w().box.onClick = [] { platform::EndProgram(); };
    w().ok.onClick = [this] {
        // A click waiting in the queue reaches the program while the error box is open.
        sim::Post(sim::Message{w().hwnd(), platform::msg::kCommand,
                               static_cast<std::uintptr_t>(platform::msg::kBnClicked) << 16,
                               static_cast<std::intptr_t>(w().box.hwnd())});
        throw platform::Error(5, "Access is denied.");
    };
    EXPECT_NO_THROW(w().ok.userClick());
    EXPECT_TRUE(p().ended);
    EXPECT_EQ(p().messageBoxes.size(), 1u);
}

TEST_F(FormsTest, TimersTickOnlyWhileTheirFormIsLoaded) {
    sim::Advance(1000);
    EXPECT_EQ(w().ticks, 0);
    w().Show();
    sim::Advance(1000);
    EXPECT_EQ(w().ticks, 10);
    w().timer.setTimerEnabled(false);
    sim::Advance(1000);
    EXPECT_EQ(w().ticks, 10);
    w().timer.setTimerEnabled(true);
    w().Unload();
    sim::Advance(1000);
    EXPECT_EQ(w().ticks, 10);
}

TEST_F(FormsTest, AModalShowWaitsForTheUserAndANeverEndingOneIsCaught) {
    w().Show();
    p().userActions.push_back([this] { w().ok.userClick(); });
    w().ok.onClick = [this] { w().Unload(); };
    bool returned = false;
    sim::AsUser([&] {
        w().Show(forms::ShowMode::Modal);
        returned = true;
    });
    EXPECT_TRUE(returned);
    EXPECT_FALSE(w().loaded());

    w().timer.setTimerEnabled(false);
    EXPECT_THROW(w().Show(forms::ShowMode::Modal), sim::Hang);
}

TEST_F(FormsTest, UnansweredMessageBoxesTakeTheirFirstButton) {
    p().answers = {platform::kIdNo};
    EXPECT_EQ(platform::MessageBox("Stop?", platform::kMbYesNo | platform::kMbIconQuestion, "Stopping"),
              platform::kIdNo);
    EXPECT_EQ(platform::MessageBox("Again?", platform::kMbYesNo), platform::kIdYes);
    EXPECT_EQ(platform::MessageBox("Done"), platform::kIdOk);
    ASSERT_EQ(p().messageBoxes.size(), 3u);
    EXPECT_EQ(p().messageBoxes[0].title, "Stopping");
    EXPECT_EQ(p().messageBoxes[0].buttons, platform::kMbYesNo);
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconQuestion);
}

}  // namespace
