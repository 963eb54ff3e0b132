// The notification-area icon: the record it is added with, its removal and
// the callbacks that reach the main window as mouse moves.
#include <cstring>

#include "frame/mod_taskbar.h"
#include "tests/support/sim_test.h"

namespace {

struct Window : forms::Form {
    Window() : Form("Window") {
        onTrayMouseMove = [this](int, int, float x, float) { messages.push_back(forms::TrayMouseMessage(x)); };
        onMouseMove = [this](int, int, float x, float) { plainMoves.push_back(static_cast<int>(x / 15)); };
    }
    std::vector<int> messages;
    std::vector<int> plainMoves;
};

struct Other : forms::Form {
    Other() : Form("Other") {}
};

class TaskbarTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        window().Show();
    }
    Window& window() { return forms::The<Window>(); }
};

TEST_F(TaskbarTest, AddsTheIconWithTheCallbackAndTip) {
    modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon");
    const auto calls = sim::Journal<sim::TrayCall>();
    ASSERT_EQ(calls.size(), 1u);
    const auto& [message, data, result] = calls[0];
    EXPECT_TRUE(result);
    EXPECT_EQ(message, platform::shell::kNimAdd);
    EXPECT_EQ(data.cbSize, 88u);
    EXPECT_EQ(data.hWnd, window().hwnd());
    EXPECT_EQ(data.uID, 0x7001u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x200u);
    EXPECT_EQ(data.hIcon, 0x7001u);
    char tip[64];
    std::memset(tip, ' ', sizeof tip);
    std::memcpy(tip, "Animated TrayIcon", 18);  // with its NUL, then blanks
    EXPECT_EQ(std::memcmp(data.szTip, tip, sizeof tip), 0);
    EXPECT_EQ(m().trayIcons.size(), 1u);
}

TEST_F(TaskbarTest, ATipTooLongForTheFieldIsCutAndStillEnds) {
    modTaskbar::AddTrayIcon(window(), 1, 1, std::string(100, 'x'));
    const auto& tip = modTaskbar::Record().szTip;
    EXPECT_EQ(std::strlen(tip), 63u);
}

TEST_F(TaskbarTest, RemovalReusesTheWindowOfTheAddition) {
    modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon");
    forms::The<Other>().Show();  // another window in between changes nothing
    modTaskbar::RemoveTrayIcon(0x7001);
    EXPECT_TRUE(m().trayIcons.empty());
    const auto calls = sim::Journal<sim::TrayCall>();
    ASSERT_EQ(calls.size(), 2u);
    const auto& [message, data, result] = calls[1];
    EXPECT_TRUE(result);
    EXPECT_EQ(message, platform::shell::kNimDelete);
    EXPECT_EQ(data.hWnd, window().hwnd());
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.hIcon, 0x7001u);
}

TEST_F(TaskbarTest, RemovingAnIdNeverAddedChangesNothing) {
    modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon");
    modTaskbar::RemoveTrayIcon(0x9999);
    EXPECT_EQ(m().trayIcons.size(), 1u);
}

TEST_F(TaskbarTest, EachMouseEventReachesTheWindowAsOneMouseMove) {
    modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon");
    for (std::uint32_t message : {0x200u, 0x201u, 0x202u, 0x205u}) sim::TrayMouse(window().hwnd(), 0x7001, message);
    EXPECT_EQ(window().messages, (std::vector<int>{0x200, 0x201, 0x202, 0x205}));
    EXPECT_TRUE(window().plainMoves.empty());
}

TEST_F(TaskbarTest, TheMouseOverTheWindowIsNoCallbackWhereverItIs) {
    modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon");
    // The mouse at x = 0x201 pixels, top row, no button: the spot where a
    // callback's message would stand.
    sim::Post(sim::Message{window().hwnd(), 0x200, 0, 0x201});
    sim::Pump();
    EXPECT_TRUE(window().messages.empty());
    EXPECT_EQ(window().plainMoves, std::vector<int>{0x201});
}

TEST_F(TaskbarTest, AnIconWithIdZeroTakesNoMouseMoveForItsCallback) {
    // An icon picture that failed to load gives the id 0, which is also what
    // a mouse move with no button carries in wParam.
    modTaskbar::AddTrayIcon(window(), 0, 0, "Animated TrayIcon");
    sim::Post(sim::Message{window().hwnd(), 0x200, 0, 0x201});
    sim::Pump();
    EXPECT_TRUE(window().messages.empty());
    EXPECT_EQ(window().plainMoves, std::vector<int>{0x201});
    sim::TrayMouse(window().hwnd(), 0, 0x202);
    EXPECT_EQ(window().messages, std::vector<int>{0x202});
}

TEST_F(TaskbarTest, TheIconComesBackWhenTheTaskbarStartsAgainUntilItIsRemoved) {
    modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon");
    sim::Broadcast("SomethingElse");
    sim::RestartTaskbar();
    ASSERT_EQ(m().trayIcons.size(), 1u);
    const auto& icon = m().trayIcons.begin()->second;
    EXPECT_EQ(icon.hWnd, window().hwnd());
    EXPECT_EQ(icon.uID, 0x7001u);
    EXPECT_STREQ(icon.szTip, "Animated TrayIcon");
    EXPECT_TRUE(modTaskbar::Shown());
    sim::TrayMouse(window().hwnd(), 0x7001, 0x205);
    EXPECT_EQ(window().messages, std::vector<int>{0x205}) << "its callbacks come as before";
    modTaskbar::RemoveTrayIcon(0x7001);
    sim::RestartTaskbar();
    EXPECT_TRUE(m().trayIcons.empty()) << "a removed icon stays away";
    EXPECT_FALSE(modTaskbar::Shown());
}

TEST_F(TaskbarTest, AnIconTheShellRefusedIsAddedOnceTheTaskbarComes) {
    m().trayAvailable = false;
    EXPECT_FALSE(modTaskbar::AddTrayIcon(window(), 0x7001, 0x7001, "Animated TrayIcon"));
    EXPECT_FALSE(modTaskbar::Shown());
    m().trayAvailable = true;
    sim::Broadcast("TaskbarCreated");
    EXPECT_EQ(m().trayIcons.size(), 1u);
    EXPECT_TRUE(modTaskbar::Shown());
}

}  // namespace
