// The service wait box: its first poll after the given interval, the
// success path into the list row and the record, the stall test, the
// exit-code boxes, and the bound that ends every wait.
#include "platform/dialogs.h"
#include "platform/window.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_sc_msg_box.h"
#include "tests/svcstop/service_test.h"

namespace {

namespace svc = platform::svc;
using nightjar::frmSCMsgBox;
using sim::ServiceStep;

constexpr const char* kUnable = "Unable to perform the selected action on the service.";

class WaitBoxTest : public ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        auto& messenger = scm().add("Messenger", "Messenger");
        messenger.status.currentState = svc::kRunning;
        messenger.status.serviceType = svc::kShareProcess;
        auto& child = scm().add("Child", "Child service");
        child.status.currentState = svc::kRunning;
        ASSERT_TRUE(nightjar::modServiceCode::EnumerateServices("", 3, 48));
        // The main window's list as its start-up leaves it, with the window not loaded.
        auto& list = forms::The<nightjar::frmMain>().lvServices;
        list.addColumn("Name", 3000);
        list.addColumn("Status", 1000);
        list.addColumn("Startup", 1000);
        row = &list.add("MESSENGER", "Messenger");
        row->setSubItem(1, "Started");
        row->setForeColor(nightjar::kRowBlack);
    }

    // Sends the request and shows the box as the commands do; how long the box stayed.
    std::uint64_t Run(sim::ServiceRequest request, const std::string& service, std::int32_t target,
                      std::int32_t interval = 3000) {
        const std::uint32_t controls[] = {0, svc::kControlStop, svc::kControlPause, svc::kControlContinue};
        namespace code = nightjar::modServiceCode;
        if (request == sim::kRequestStart)
            code::StartServiceByName("", service);
        else if (controls[request] == svc::kControlStop)
            code::StopServiceByName("", service);
        else if (controls[request] == svc::kControlPause)
            code::PauseServiceByName("", service);
        else
            code::ContinueServiceByName("", service);
        nightjar::SCMsgText = "Disabling Windows Popup Messages";
        nightjar::SCMsgInterval = interval;
        nightjar::SCMsgTitle = "Service Control";
        nightjar::SCMsgService = service;
        nightjar::SCMsgMachine = "";
        nightjar::SCMsgTargetState = target;
        const std::uint64_t start = m().now;
        sim::AsUser([] { forms::The<frmSCMsgBox>().Show(forms::ShowMode::Modal); });
        EXPECT_FALSE(box().loaded()) << "the box closed";
        return m().now - start;
    }
    frmSCMsgBox& box() { return forms::The<frmSCMsgBox>(); }
    const nightjar::CServices& Record(const std::string& key) { return *nightjar::colServices.Item(key); }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& shown : p().messageBoxes) texts.push_back(shown.text);
        return texts;
    }

    forms::ListItem* row = nullptr;
};

TEST_F(WaitBoxTest, AStopWithinThreeSecondsPollsOnceWritesRowAndRecordAndCloses) {
    EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), 3000u) << "the first poll comes after the interval";
    EXPECT_EQ(scm().statusQueries, 1);
    EXPECT_EQ(row->subItem(1), "");
    EXPECT_EQ(row->foreColor(), nightjar::kRowRed);
    EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kStopped);
    EXPECT_TRUE(p().messageBoxes.empty());
    EXPECT_FALSE(forms::The<nightjar::frmMain>().loaded()) << "writing the row does not load the main window";
    const auto moves = sim::Journal<sim::SetWindowPosCall>();
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].insertAfter, platform::window::kHwndTopmost);
    EXPECT_EQ(moves[0].flags, platform::window::kSwpNoMove | platform::window::kSwpNoSize);
}

TEST_F(WaitBoxTest, TheBoxShowsItsParametersAndStandsOnTop) {
    scm().find("Messenger")->rights = svc::kQueryStatus;  // the stop is refused: the box stays a while
    nightjar::SCMsgText = "Enabling Windows Popup Messages";
    nightjar::SCMsgTitle = "Service Control";
    nightjar::SCMsgInterval = 3000;
    box().Load();
    EXPECT_EQ(box().caption(), "Service Control");
    EXPECT_EQ(box().lblMessage.caption(), "Enabling Windows Popup Messages");
    EXPECT_EQ(box().SkinLabel2.caption(), "Please Wait...");
    EXPECT_EQ(box().Frame1.caption(), "STATUS REPORT");
    EXPECT_EQ(box().Frame1.fontName(), "Verdana");
    EXPECT_FALSE(box().Frame1.fontBold());
    EXPECT_EQ(box().borderStyle(), forms::BorderStyle::None);
    EXPECT_TRUE(Topmost(box().hwnd()));
    EXPECT_TRUE(box().tmrMain.timerEnabled());
    EXPECT_EQ(box().tmrMain.interval(), 3000);
    box().Unload();
}

TEST_F(WaitBoxTest, ReachedStatesWriteTheirRowLook) {
    struct Case {
        sim::ServiceRequest request;
        std::int32_t target;
        std::uint32_t from;
        const char* status;
        std::uint32_t color;
        std::int32_t accepted;
    };
    const Case cases[] = {
        {sim::kRequestStop, 1, svc::kRunning, "", nightjar::kRowRed, 0},
        {sim::kRequestPause, 7, svc::kRunning, "Paused", nightjar::kRowGreen, 3},
        {sim::kRequestContinue, 4, svc::kPaused, "Started", nightjar::kRowBlack, 3},
        {sim::kRequestStart, 4, svc::kStopped, "Started", nightjar::kRowBlack, 3},
    };
    // The record takes the controls the service accepts in the state it
    // reached: none once stopped, its own once running again.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        scm().find("Messenger")->status.currentState = c.from;
        row->setSubItem(1, "before");
        row->setForeColor(0x123456);
        Run(c.request, c.request == sim::kRequestStart ? "Messenger" : "MESSENGER", c.target);
        EXPECT_EQ(row->subItem(1), c.status);
        EXPECT_EQ(row->foreColor(), c.color);
        EXPECT_EQ(Record("MESSENGER").CurrentStatus, c.target);
        EXPECT_EQ(Record("MESSENGER").ControlsAccepted, c.accepted);
    }
}

TEST_F(WaitBoxTest, EachShowingStartsAfresh) {
    auto& messenger = *scm().find("Messenger");
    messenger.scripts[sim::kRequestStop] = {ServiceStep{svc::kStopPending, 1, 1000}, ServiceStep{svc::kStopped}};
    messenger.scripts[sim::kRequestStart] = {ServiceStep{svc::kStartPending, 1, 1000}, ServiceStep{svc::kRunning}};
    EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), 4000u);
    EXPECT_EQ(box().tmrMain.interval(), 1000) << "the stop's last hint";
    nightjar::SCMsgInterval = 3000;
    // The start's first poll reports the check-point the stop last recorded.
    EXPECT_EQ(Run(sim::kRequestStart, "Messenger", 4), 4000u) << "the first poll after the new interval";
    EXPECT_TRUE(p().messageBoxes.empty()) << "no stall carried over from the last showing";
    EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kRunning);
}

TEST_F(WaitBoxTest, ADependentWithoutARowChangesOnlyItsRecord) {
    Run(sim::kRequestStop, "CHILD", 1);
    EXPECT_EQ(Record("CHILD").CurrentStatus, svc::kStopped);
    EXPECT_EQ(row->subItem(1), "Started") << "the Messenger row is left alone";
    EXPECT_EQ(row->foreColor(), nightjar::kRowBlack);
}

// A service may still carry a wait hint when it reports the state it
// reached (Wine's own services report 10000): the box closes without a word.
TEST_F(WaitBoxTest, AFinalStatusWithAWaitHintClosesWithoutABox) {
    for (const std::uint32_t hint : {2000u, 10000u}) {
        SCOPED_TRACE(hint);
        scm().find("Messenger")->status.currentState = svc::kRunning;
        scm().find("Messenger")->scripts[sim::kRequestStop] = {ServiceStep{svc::kStopped, 0, hint}};
        EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), 3000u);
        EXPECT_TRUE(p().messageBoxes.empty());
        EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kStopped);
        EXPECT_EQ(row->subItem(1), "");
    }
}

TEST_F(WaitBoxTest, ACheckPointThatStaysEndsTheWaitAtTheNextPoll) {
    scm().find("Messenger")->scripts[sim::kRequestStop] = {ServiceStep{svc::kStopPending, 1, 5000},
                                                           ServiceStep{svc::kStopPending, 1, 5000}};
    EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), 8000u) << "the second poll comes after the wait hint";
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kUnable});
    EXPECT_EQ(p().messageBoxes[0].title, "Nightjar") << "no title of its own";
    EXPECT_EQ(p().messageBoxes[0].icon, 0u);
    EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kRunning) << "the record keeps its state";
    EXPECT_EQ(row->subItem(1), "Started");
}

TEST_F(WaitBoxTest, AMovingCheckPointWaitsOnWithEachNewHint) {
    scm().find("Messenger")->scripts[sim::kRequestStop] = {
        ServiceStep{svc::kStopPending, 1, 5000}, ServiceStep{svc::kStopPending, 2, 4000}, ServiceStep{svc::kStopped}};
    EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), 3000u + 5000u + 4000u);
    EXPECT_TRUE(p().messageBoxes.empty());
    EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kStopped);
}

TEST_F(WaitBoxTest, CheckPointZeroIsNeverAStallAndTheBoundEndsTheWait) {
    scm().find("Messenger")->scripts[sim::kRequestStop] = {ServiceStep{svc::kStopPending, 0, 2000}};
    const std::uint64_t took = Run(sim::kRequestStop, "MESSENGER", 1);
    EXPECT_EQ(box().tmrMain.interval(), 1000) << "the design interval is back after the unload";
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kUnable}) << "one box, at the bound, no stall before";
    EXPECT_EQ(took, 31000u) << "polls at 3 s and every 2 s after; the first at or past 30 s gives up";
}

// However long a service asks for, a wait that keeps to its hints ends in
// success, and one that never ends is given up.
TEST_F(WaitBoxTest, LongWaitsEndAtTheirBounds) {
    std::vector<ServiceStep> rising;
    for (std::uint32_t checkPoint = 1; checkPoint <= 1000; ++checkPoint)
        rising.push_back(ServiceStep{svc::kStopPending, checkPoint, 1000});
    const ServiceStep slow{svc::kStopPending, 0, 15000};
    const struct {
        const char* what;
        std::vector<ServiceStep> script;
        std::uint64_t took;
        std::vector<std::string> boxes;
    } rows[] = {
        {"a slow service: a long hint, its check-point 0 for 45 s",
         {slow, slow, slow, ServiceStep{svc::kStopped}},
         48000,
         {}},
        {"a healthy service with hints near the timer's limit",
         {ServiceStep{svc::kStopPending, 1, 60000}, ServiceStep{svc::kStopPending, 2, 60000},
          ServiceStep{svc::kStopPending, 3, 60000}, ServiceStep{svc::kStopPending, 4, 60000},
          ServiceStep{svc::kStopped}},
         243000,
         {}},
        {"a check-point that rises for ever", rising, nightjar::kLongestWaitMs, {kUnable}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        p().messageBoxes.clear();
        scm().find("Messenger")->status.currentState = svc::kRunning;
        scm().find("Messenger")->scripts[sim::kRequestStop] = row.script;
        nightjar::colServices.Item("MESSENGER")->CurrentStatus = 4;
        EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), row.took);
        EXPECT_EQ(BoxTexts(), row.boxes);
        EXPECT_EQ(Record("MESSENGER").CurrentStatus, row.boxes.empty() ? 1 : 4);
    }
}

TEST_F(WaitBoxTest, WaitsThatCouldNeverEndGiveUpAtTheBound) {
    struct Case {
        const char* what;
        std::function<void(sim::SimService&)> stage;
        sim::ServiceRequest request;
        std::int32_t target;
    };
    const Case cases[] = {
        {"a status that cannot be read", [](sim::SimService& s) { s.rights = 0; }, sim::kRequestStop, 1},
        {"a refused stop", [](sim::SimService& s) { s.refusal = platform::kErrorServiceRequestTimeout; },
         sim::kRequestStop, 1},
        {"a pause of a service that never pauses", [](sim::SimService& s) { s.status.controlsAccepted = 1; },
         sim::kRequestPause, 7},
    };
    for (const Case& c : cases) {
        FreshRow(c.what, [&] {
            c.stage(*scm().find("Messenger"));
            EXPECT_EQ(Run(c.request, "MESSENGER", c.target), 30000u);
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{kUnable});
            EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kRunning);
        });
    }
}

TEST_F(WaitBoxTest, ExitCodeBoxesNameTheCodeAndTheWaitGoesOn) {
    struct Case {
        std::uint32_t win32;
        std::uint32_t specific;
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {platform::kErrorServiceSpecificError, 5, "5", "Service Specific Error"},
        {0, 7, "0", "Error performing an action on the service"},
        {platform::kErrorServiceRequestTimeout, 0, "1053", "Error performing an action on the service"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        p().messageBoxes.clear();
        scm().find("Messenger")->status.currentState = svc::kRunning;
        scm().find("Messenger")->scripts[sim::kRequestStop] = {
            ServiceStep{svc::kStopPending, 0, 0, c.win32, c.specific}, ServiceStep{svc::kStopped}};
        Run(sim::kRequestStop, "MESSENGER", 1);
        ASSERT_EQ(p().messageBoxes.size(), 1u);
        EXPECT_EQ(p().messageBoxes[0].text, c.text);
        EXPECT_EQ(p().messageBoxes[0].title, c.title);
        EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconError);
        EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kStopped) << "the box polled on to the target";
    }
}

TEST_F(WaitBoxTest, NoTickPollsWhileOneOfTheBoxesMessagesIsOpen) {
    scm().find("Messenger")->scripts[sim::kRequestStop] = {
        ServiceStep{svc::kStopPending, 0, 0, platform::kErrorServiceSpecificError, 5}};
    p().answers = {sim::Answer(platform::kIdOk, 10000)};
    const std::uint64_t took = Run(sim::kRequestStop, "MESSENGER", 1);
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), kUnable);
    // Held polls: one box at 3 s, open for 10 s; then one a poll every 3 s from 15 s.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "5"), 11);
    EXPECT_EQ(took, 42000u) << "the ten seconds the box stayed open do not count against the bound";
}

// A service that keeps moving but reports an exit code on every poll: the
// box shows each, and the first stays open for 100 s. The wait still gets
// its whole longest bound besides.
TEST_F(WaitBoxTest, TheTimeABoxIsOpenDoesNotCountAgainstTheLongestWait) {
    std::vector<ServiceStep> moving;
    for (std::uint32_t checkPoint = 1; checkPoint <= 1000; ++checkPoint)
        moving.push_back(ServiceStep{svc::kStopPending, checkPoint, 1000, platform::kErrorServiceRequestTimeout});
    scm().find("Messenger")->scripts[sim::kRequestStop] = moving;
    p().answers = {sim::Answer(platform::kIdOk, 100000)};
    EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), nightjar::kLongestWaitMs + 100000u);
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), kUnable);
    // One at 3 s, open until 103 s; then one a poll every second to 400 s.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "1053"), 1 + 297);
}

TEST_F(WaitBoxTest, AStartThatStopsWithAnExitCodeEndsAtOnce) {
    auto& messenger = *scm().find("Messenger");
    messenger.status.currentState = svc::kStopped;
    messenger.scripts[sim::kRequestStart] = {
        ServiceStep{svc::kStartPending, 1, 1000},
        ServiceStep{svc::kStopped, 0, 0, platform::kErrorServiceSpecificError, 42}};
    EXPECT_EQ(Run(sim::kRequestStart, "Messenger", 4), 4000u);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"42", kUnable}));
    EXPECT_EQ(Record("MESSENGER").CurrentStatus, svc::kRunning) << "the box writes no state it did not reach";
}

TEST_F(WaitBoxTest, WaitHintsAboveTheTimersLimitAreClamped) {
    scm().find("Messenger")->scripts[sim::kRequestStop] = {ServiceStep{svc::kStopPending, 1, 100000},
                                                           ServiceStep{svc::kStopPending, 2, 100000},
                                                           ServiceStep{svc::kStopped}};
    EXPECT_EQ(Run(sim::kRequestStop, "MESSENGER", 1), 3000u + 2u * 65535u);
    EXPECT_TRUE(p().messageBoxes.empty());
}

}  // namespace
