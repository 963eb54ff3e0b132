// The browser-window tracker: one sink per shell window, rebuilt whenever a
// window opens or closes, and quiet where the shell offers no window list.
#include "blocker/c_ie_windows.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;

class TrackerTest : public BlockerTest {
protected:
    // Every listed window has exactly one connected sink.
    void ExpectOneSinkEach() {
        for (const auto& window : m().browsers.windows())
            EXPECT_EQ(m().browsers.connectedSinks(window.id), 1) << window.address;
    }
};

TEST_F(TrackerTest, WithoutWindowsTheFirstWindowToOpenGetsASink) {
    auto tracker = cIEWindows::Create();
    EXPECT_EQ(tracker->Count(), 0);
    EXPECT_EQ(m().browsers.connectedShellSinks(), 1);
    const int first = OpenWindow("http://first.example/");
    EXPECT_EQ(tracker->Count(), 1);
    EXPECT_EQ(m().browsers.connectedSinks(first), 1);
}

TEST_F(TrackerTest, EveryRebuildReplacesEverySink) {
    const int a = m().browsers.open("http://a.example/");
    const int b = m().browsers.open("file:///C:/folder");
    const int c = m().browsers.open("http://c.example/");
    auto tracker = cIEWindows::Create();
    sim::Pump();  // the three registrations, each a rebuild
    const auto before = tracker->NewEnum();
    ASSERT_EQ(before.size(), 3u);
    m().browsers.close(b);
    sim::Pump();
    EXPECT_EQ(tracker->Count(), 2);
    for (const auto& sink : tracker->NewEnum())
        for (const auto& old : before) EXPECT_NE(sink, old) << "a sink survived the rebuild";
    EXPECT_EQ(m().browsers.connectedSinks(a), 1);
    EXPECT_EQ(m().browsers.connectedSinks(c), 1);
    EXPECT_EQ(tracker->IE(1), tracker->NewEnum()[0]);
    EXPECT_EQ(tracker->IE(0), nullptr);
    EXPECT_EQ(tracker->IE(3), nullptr);
}

// The shell's calls let messages in: a window that opens during a rebuild
// must not leave another window with two sinks. These rebuilds pump messages
// inside the tracker's own waits.
TEST_F(TrackerTest, ARebuildAskedDuringAnotherRunsAfterIt) {
    m().browsers.open("http://a.example/");
    m().browsers.open("http://b.example/");
    auto tracker = cIEWindows::Create();
    sim::Pump();
    m().browsers.open("http://c.example/");
    m().browsers.open("http://d.example/");
    std::shared_ptr<IE_Class> readDuringRebuild = nullptr;
    // The user's action runs in the tracker's wait, while a rebuild is under way.
    p().userActions.push_back([&] { readDuringRebuild = tracker->IE(1); });
    sim::Pump();
    EXPECT_TRUE(p().userActions.empty()) << "the read did not come during the rebuild";
    EXPECT_EQ(tracker->Count(), 4);
    ExpectOneSinkEach();
    const int popup = m().browsers.windows()[0].id;
    main().Check1.setValue(1);
    EXPECT_TRUE(m().browsers.newWindow(popup));
    EXPECT_EQ(PopupsBlocked, 1) << "the popup was counted once";
}

TEST_F(TrackerTest, WhereTheShellListsNoWindowsTheTrackerIsQuiet) {
    m().browsers.shellAvailable = false;
    m().browsers.open("http://a.example/");
    auto tracker = cIEWindows::Create();
    OpenWindow("http://b.example/");
    EXPECT_EQ(tracker->Count(), 0);
    EXPECT_EQ(m().browsers.connectedShellSinks(), 0);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(TrackerTest, AWindowThatIsNoBrowserEndsTheRebuildThere) {
    m().browsers.open("http://a.example/");
    auto tracker = cIEWindows::Create();
    const int odd = m().browsers.open("odd");
    m().browsers.window(odd)->isBrowser = false;
    OpenWindow("http://c.example/");
    EXPECT_EQ(tracker->Count(), 1);
    m().browsers.window(odd)->isBrowser = true;
    OpenWindow("http://d.example/");
    EXPECT_EQ(tracker->Count(), 4);
    ExpectOneSinkEach();
}

TEST_F(TrackerTest, ReleasingTheTrackerDisconnectsEverything) {
    const int a = m().browsers.open("http://a.example/");
    auto tracker = cIEWindows::Create();
    tracker.reset();
    EXPECT_EQ(m().browsers.connectedSinks(a), 0);
    EXPECT_EQ(m().browsers.connectedShellSinks(), 0);
    m().browsers.open("http://b.example/");
    sim::Pump();  // no tracker hears it
}

TEST_F(TrackerTest, TheMainWindowTracksWhileLoaded) {
    const int a = m().browsers.open("http://a.example/");
    main().Load();
    EXPECT_EQ(m().browsers.connectedSinks(a), 1);
    sim::AsUser([&] { main().Unload(); });
    EXPECT_TRUE(p().ended);
    EXPECT_EQ(m().browsers.connectedSinks(a), 0);
}

}  // namespace
