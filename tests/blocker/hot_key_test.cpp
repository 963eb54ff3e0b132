// windhover's Win+Z hot key: registered for the main window, whose procedure
// it subclasses; each press reaches the hidden picture box as a mouse move.
#include <algorithm>
#include <climits>

#include "blocker/form1.h"
#include "blocker/frm_website.h"
#include "blocker/mod_hook.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/support/sim_test.h"

namespace {

namespace msg = platform::msg;
using platform::window::kModWin;
constexpr std::uint32_t kZ = 'Z';
constexpr std::uint32_t kProbe = 0x0400;  // WM_USER: a message no procedure here knows
constexpr std::intptr_t kProbeAnswer = 0x5A5A;

struct MouseMove {
    int button;
    int shift;
    float x;
    float y;
    bool operator==(const MouseMove&) const = default;
};

class HotKeyTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", "0");
    }

    windhover::Form1& main() { return forms::The<windhover::Form1>(); }

    // Loads and shows the main window; from then on the test sees every
    // mouse move of the picture box and, below the subclass, every message
    // the main window's own procedure gets.
    void Start() {
        sim::AsUser([&] { main().Show(); });
        auto handler = main().pctHotkey.onMouseMove;
        main().pctHotkey.onMouseMove = [this, handler](int button, int shift, float x, float y) {
            moves.push_back({button, shift, x, y});
            handler(button, shift, x, y);
        };
        auto& chain = chainOf(main().hwnd());
        ASSERT_FALSE(chain.empty());
        sim::WindowProc own = chain.front();
        chain.front() = [this, own](const sim::Message& message) {
            reachedOwn.push_back(message);
            movesWhenOwnRan.push_back(moves.size());
            if (message.message == kProbe) return kProbeAnswer;
            return own(message);
        };
    }

    static std::vector<sim::WindowProc>& chainOf(platform::Handle window) {
        return sim::FindWindow(window)->procedures;
    }
    static std::vector<sim::HotKeyCall> HotKeyCalls() { return sim::Journal<sim::HotKeyCall>(); }
    void Exit() {
        sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    }

    std::vector<MouseMove> moves;
    std::vector<sim::Message> reachedOwn;
    std::vector<std::size_t> movesWhenOwnRan;
};

TEST_F(HotKeyTest, StartRegistersWinZForTheMainWindowAndSubclassesIt) {
    Start();
    const auto calls = HotKeyCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].op, sim::HotKeyCall::Register);
    EXPECT_EQ(calls[0].window, main().hwnd());
    EXPECT_EQ(calls[0].id, 0);
    EXPECT_EQ(calls[0].modifiers, 8u) << "MOD_WIN";
    EXPECT_EQ(calls[0].key, 90u) << "the letter Z";
    EXPECT_EQ(calls[0].result, 0);
    EXPECT_EQ(chainOf(main().hwnd()).size(), 2u) << "the window's own procedure with one subclass over it";
    EXPECT_NE(main().pctHotkey.hwnd(), 0u);
    EXPECT_GE(main().pctHotkey.bounds().left, main().bounds().width) << "the target lies beyond the visible part";
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(HotKeyTest, TheSubclassPassesEveryMessageOnUnchangedWithItsResult) {
    Start();
    const sim::Message messages[] = {
        {main().hwnd(), kProbe, UINTPTR_MAX - 1, INTPTR_MIN + 3},  // wide values keep every bit
        {main().hwnd(), msg::kMouseMove, 1, (40 << 16) | 30},
        {main().hwnd(), msg::kHotKey, 0, (90 << 16) | 8},
    };
    std::vector<std::intptr_t> results;
    for (const sim::Message& message : messages) results.push_back(sim::Send(message));
    ASSERT_EQ(reachedOwn.size(), 3u);
    for (std::size_t i = 0; i < reachedOwn.size(); ++i) {
        EXPECT_EQ(reachedOwn[i].window, messages[i].window) << i;
        EXPECT_EQ(reachedOwn[i].message, messages[i].message) << i;
        EXPECT_EQ(reachedOwn[i].wParam, messages[i].wParam) << i;
        EXPECT_EQ(reachedOwn[i].lParam, messages[i].lParam) << i;
    }
    EXPECT_EQ(results[0], kProbeAnswer) << "the own procedure's result comes back through the subclass";
}

TEST_F(HotKeyTest, EachPressReachesThePictureBoxOnceAsAPlainMouseMoveAfterTheHotKeyMessage) {
    Start();
    sim::PressHotKey(kModWin, kZ);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], (MouseMove{0, 0, 0.0f, 0.0f})) << "no button, no shift key, the top-left corner";
    const auto toBox = std::count_if(p().delivered.begin(), p().delivered.end(), [&](const sim::Message& message) {
        return message.window == main().pctHotkey.hwnd() && message.message == msg::kMouseMove && message.wParam == 0 &&
               message.lParam == 0;
    });
    EXPECT_EQ(toBox, 1) << "one mouse move posted to the picture box";
    ASSERT_FALSE(reachedOwn.empty());
    EXPECT_EQ(reachedOwn.back().message, msg::kHotKey) << "WM_HOTKEY goes on to the window's own procedure";
    EXPECT_EQ(movesWhenOwnRan.back(), 0u) << "the mouse move is posted, not run inside the hot key's message";

    // Hidden in the notification area, the window still gets it.
    sim::AsUser([&] { main().Hide(); });
    sim::PressHotKey(kModWin, kZ);
    EXPECT_EQ(moves.size(), 2u) << "the second press is one more move";
}

TEST_F(HotKeyTest, OtherKeysAndAnotherHotKeyIdentifierAreNotTheProgramsConcern) {
    Start();
    sim::PressHotKey(kModWin, 'X');
    sim::PressHotKey(platform::window::kModControl, kZ);
    EXPECT_TRUE(moves.empty()) << "only Win+Z is registered";
    // Whatever the identifier, a WM_HOTKEY of the main window is the hot key.
    sim::HotKey(main().hwnd(), 5);
    EXPECT_EQ(moves.size(), 1u);
}

TEST_F(HotKeyTest, WinZHeldByAnotherProgramFailsQuietlyAndTheProgramRunsOn) {
    m().hotKeysTaken.insert({kModWin, kZ});
    Start();
    const auto calls = HotKeyCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].result, platform::kErrorHotkeyAlreadyRegistered);
    EXPECT_TRUE(p().messageBoxes.empty()) << "nothing is reported";
    EXPECT_EQ(chainOf(main().hwnd()).size(), 2u) << "the subclass is installed all the same";
    sim::PressHotKey(kModWin, kZ);
    EXPECT_TRUE(moves.empty()) << "the other program has the key";
    EXPECT_EQ(sim::Send({main().hwnd(), kProbe, 0, 0}), kProbeAnswer);

    Exit();
    EXPECT_TRUE(p().ended);
    EXPECT_TRUE(p().messageBoxes.empty()) << "releasing a hot key never held is not reported either";
}

TEST_F(HotKeyTest, ExitReleasesTheHotKeyAndRestoresTheWindowsOwnProcedure) {
    Start();
    const platform::Handle window = main().hwnd();
    Exit();
    ASSERT_TRUE(p().ended);
    const auto calls = HotKeyCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].op, sim::HotKeyCall::Unregister);
    EXPECT_EQ(calls[1].window, window);
    EXPECT_EQ(calls[1].id, 0);
    EXPECT_EQ(calls[1].result, 0);
    EXPECT_TRUE(p().hotKeys.empty());
    ASSERT_TRUE(sim::FindWindow(window));
    EXPECT_EQ(chainOf(window).size(), 1u) << "only the window's own procedure is left";
}

// With the website opener still showing, the main window unloads without
// ending the program: the hot key must not outlive it.
TEST_F(HotKeyTest, AfterTheMainWindowUnloadsWinZDoesNothing) {
    Start();
    sim::AsUser([] { forms::The<windhover::frmWebsite>().Show(); });
    Exit();
    ASSERT_FALSE(p().ended);
    ASSERT_FALSE(main().loaded());
    EXPECT_TRUE(p().hotKeys.empty());
    sim::PressHotKey(kModWin, kZ);
    EXPECT_TRUE(moves.empty());
}

TEST_F(HotKeyTest, DestroyingTheWindowWithTheSubclassInPlaceUnhooksItFirst) {
    Start();
    const platform::Handle window = main().hwnd();
    sim::Send({window, msg::kNcDestroy, 0, 0});
    EXPECT_EQ(chainOf(window).size(), 1u) << "the chain is the window's own procedure again";
    ASSERT_FALSE(reachedOwn.empty());
    EXPECT_EQ(reachedOwn.back().message, msg::kNcDestroy) << "and it got WM_NCDESTROY as well";
    EXPECT_TRUE(p().hotKeys.empty());
    sim::PressHotKey(kModWin, kZ);
    EXPECT_TRUE(moves.empty());

    // The unload that follows finds nothing left to undo.
    Exit();
    ASSERT_TRUE(p().ended);
    EXPECT_EQ(HotKeyCalls().size(), 2u) << "one registration, one release";
    EXPECT_EQ(chainOf(window).size(), 1u) << "the window keeps its own procedure";
}

TEST_F(HotKeyTest, HookingAgainReplacesTheSubclassInsteadOfStackingIt) {
    Start();
    windhover::modHook::HookHotkey(main().hwnd(), main().pctHotkey.hwnd());
    EXPECT_EQ(chainOf(main().hwnd()).size(), 2u);
    EXPECT_EQ(sim::Send({main().hwnd(), kProbe, 0, 0}), kProbeAnswer) << "messages still reach the own procedure";
    EXPECT_EQ(reachedOwn.size(), 1u);
    sim::PressHotKey(kModWin, kZ);
    EXPECT_EQ(moves.size(), 1u) << "one press, one move";
    ASSERT_EQ(p().hotKeys.size(), 1u);
}

TEST_F(HotKeyTest, TheRegistrationEndsWithTheProcess) {
    Start();
    ASSERT_EQ(p().hotKeys.size(), 1u);
    sim::NewProcess();  // ended by the system: no unload runs
    EXPECT_TRUE(p().hotKeys.empty());
    Start();
    const auto calls = HotKeyCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].result, 0) << "the next start gets Win+Z again";
    sim::PressHotKey(kModWin, kZ);
    EXPECT_EQ(moves.size(), 1u);
}

}  // namespace
