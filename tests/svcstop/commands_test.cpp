// nightjar's main window at work: the Messenger row and the controls its
// record decides, the Prevent and Allow commands with the dependents question
// and the wait box, pause and continue, the test message and the service
// properties window.
#include "platform/dialogs.h"
#include "platform/error_text.h"
#include "platform/sim/network.h"
#include "svcstop/frm_startup.h"
#include "svcstop/mod_service_code.h"
#include "tests/svcstop/nightjar_test.h"

namespace {

namespace svc = platform::svc;
using sim::ServiceStep;

TEST_F(NightjarTest, TheListHasThreeColumnsAndOneRowForMessengerOnly) {
    scm().add("messenger", "lower case");
    scm().add("Alerter", "Alerter");
    Start();
    const auto& list = main().lvServices;
    ASSERT_EQ(list.columnCount(), 3);
    const double w = 7005 - 5 * 15;
    EXPECT_EQ(list.column(1).text, "Name");
    EXPECT_DOUBLE_EQ(list.column(1).width, 0.55 * w);
    EXPECT_EQ(list.column(2).alignment, forms::ColumnAlignment::Center);
    EXPECT_DOUBLE_EQ(list.column(3).width, 0.2 * w);
    EXPECT_TRUE(list.sorted());
    EXPECT_TRUE(list.hideColumnHeaders());
    ASSERT_EQ(list.itemCount(), 1);
    EXPECT_EQ(list.item(1).key(), "MESSENGER");
    EXPECT_EQ(list.item(1).text(), "Messenger");
    EXPECT_EQ(list.selectedItem(), &list.item(1));
}

TEST_F(NightjarTest, TheRecordDecidesTheRowTheButtonsTheLabelAndTheTrayItems) {
    struct Case {
        const char* what;
        std::uint32_t state;
        std::uint32_t accepted;
        std::uint32_t startType;
        const char* status;
        const char* startText;
        std::uint32_t rowColor;
        bool allow, prevent, pause, resume;
        bool enabledLabel;
    };
    const std::uint32_t both = svc::kAcceptStop | svc::kAcceptPauseContinue;
    const Case cases[] = {
        {"stopped, manual", 1, 0, 3, "", "Manual", nightjar::kRowRed, true, false, false, false, false},
        {"running, automatic", 4, both, 2, "Started", "Automatic", 0, false, true, true, false, true},
        {"running, no stop", 4, svc::kAcceptPauseContinue, 2, "Started", "Automatic", 0, false, false, true, false,
         true},
        {"running, no pause", 4, svc::kAcceptStop, 3, "Started", "Manual", 0, false, true, false, false, true},
        {"paused", 7, both, 3, "Paused", "Manual", nightjar::kStatusBlue, false, true, false, true, true},
        {"stopped, disabled", 1, 0, 4, "", "Disabled", nightjar::kGrayText, false, false, false, false, false},
        {"start pending, boot", 2, 0, 0, "", "Boot", forms::kSystemColor, true, false, false, false, false},
        {"running, disabled", 4, both, 4, "Started", "Disabled", nightjar::kGrayText, false, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::NewProcess();
        messenger().status.currentState = c.state;
        messenger().status.controlsAccepted = c.accepted;
        messenger().startType = c.startType;
        Start();
        ASSERT_TRUE(main().visible());
        const forms::ListItem& row = main().lvServices.item(1);
        EXPECT_EQ(row.subItem(1), c.status);
        EXPECT_EQ(row.subItem(2), c.startText);
        EXPECT_EQ(row.foreColor(), c.rowColor);
        EXPECT_EQ(main().cmdStart.enabled(), c.allow);
        EXPECT_EQ(main().cmdStop.enabled(), c.prevent);
        EXPECT_EQ(main().cmdPause.enabled(), c.pause);
        EXPECT_EQ(main().cmdContinue.enabled(), c.resume);
        EXPECT_EQ(main().lblStatus.caption(), c.enabledLabel ? "Popup Messages Enabled" : "Popup Messages Disabled");
        EXPECT_EQ(main().lblStatus.foreColor(), c.enabledLabel ? nightjar::kStatusRed : nightjar::kStatusBlue);
        EXPECT_EQ(main().Allow.enabled(), c.allow);
        EXPECT_NE(main().Allow.enabled(), main().Disable.enabled()) << "one tray item is always there to choose";
    }
}

TEST_F(StartedTest, TheArrowKeysOfTheOneRowListChangeNothing) {
    main().cmdStop.setEnabled(false);
    main().lvServices.userKeyDown(40, 0);
    main().lvServices.userKeyDown(38, 0);
    EXPECT_FALSE(main().cmdStop.enabled()) << "no other row: the controls are not computed again";
    main().lvServices.userClickItem(main().lvServices.item(1));
    EXPECT_TRUE(main().cmdStop.enabled());
}

TEST_F(StartedTest, AllowStartsTheServiceAndTheLabelFollows) {
    User([&] { main().cmdStop.userClick(); });
    ASSERT_EQ(State("Messenger"), svc::kStopped);
    EXPECT_EQ(nightjar::SCMsgService, "MESSENGER") << "stop: the key";
    EXPECT_EQ(nightjar::SCMsgText, "Disabling Windows Popup Messages");
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Disabled");
    EXPECT_TRUE(main().cmdStart.enabled());
    EXPECT_TRUE(main().Allow.enabled());
    EXPECT_FALSE(main().Disable.enabled());

    User([&] { main().cmdStart.userClick(); });
    EXPECT_EQ(State("Messenger"), svc::kRunning);
    EXPECT_EQ(nightjar::SCMsgService, "Messenger") << "start: the name as listed";
    EXPECT_EQ(nightjar::SCMsgText, "Enabling Windows Popup Messages");
    EXPECT_EQ(nightjar::SCMsgTitle, "Service Control");
    EXPECT_EQ(nightjar::SCMsgInterval, 3000);
    EXPECT_EQ(nightjar::SCMsgTargetState, 4);
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Enabled");
    EXPECT_EQ(main().lvServices.item(1).subItem(1), "Started");
    EXPECT_FALSE(main().Allow.enabled());
    EXPECT_TRUE(main().Disable.enabled());
    EXPECT_EQ(Requests(), (std::vector<std::string>{"Messenger:stop", "Messenger:start"}));
    EXPECT_EQ(main().mousePointer(), forms::kPointerDefault);
}

TEST_F(StartedTest, TheTrayItemsAndTheActionMenuAreTheButtons) {
    User([&] { main().Disable.userClick(); });
    EXPECT_EQ(State("Messenger"), svc::kStopped);
    User([&] { main().Allow.userClick(); });
    EXPECT_EQ(State("Messenger"), svc::kRunning);
    User([&] { main().mnuActionItem0.userClick(); });
    EXPECT_EQ(State("Messenger"), svc::kStopped);
    User([&] { main().mnuActionItem1.userClick(); });
    EXPECT_EQ(State("Messenger"), svc::kRunning);
    User([&] { main().Allow_Click(); });
    EXPECT_EQ(Requests().size(), 4u) << "starting a running service sends nothing";
}

TEST_F(StartedTest, AStartThatFailsReadsDisabled) {
    User([&] { main().cmdStop.userClick(); });
    messenger().refusal = platform::kErrorServiceRequestTimeout;
    User([&] { main().cmdStart.userClick(); });
    EXPECT_EQ(BoxTexts().back(),
              "Unable to start the Messenger service.\r\n\r\nError 1053: The service did not respond to the start "
              "or control request in a timely fashion.");
    EXPECT_EQ(nightjar::colServices.Item("MESSENGER")->CurrentStatus, svc::kStopped) << "the state the service is in";
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Disabled");
    EXPECT_TRUE(main().cmdStart.enabled());
    EXPECT_TRUE(main().Allow.enabled());
    EXPECT_FALSE(main().Disable.enabled());
    EXPECT_EQ(main().mousePointer(), forms::kPointerDefault);
}

TEST_F(StartedTest, TheHourglassShowsWhileTheServiceMoves) {
    int pointer = -1;
    p().userActions.push_back([&] { pointer = main().mousePointer(); });
    User([&] { main().cmdStop.userClick(); });
    EXPECT_EQ(pointer, forms::kPointerHourglass);
    EXPECT_EQ(main().mousePointer(), forms::kPointerDefault);
}

TEST_F(StartedTest, CommandsDuringAWaitAreIgnored) {
    messenger().scripts[sim::kRequestStop] = {ServiceStep{svc::kStopPending, 1, 2000},
                                              ServiceStep{svc::kStopPending, 2, 2000}, ServiceStep{svc::kStopped}};
    p().userActions = {[&] { main().Disable_Click(); }, [&] { main().Allow_Click(); }, [&] { main().cmdStop_Click(); },
                       [&] { main().cmdPause_Click(); }};
    User([&] { main().cmdStop.userClick(); });
    EXPECT_EQ(Requests(), std::vector<std::string>{"Messenger:stop"});
    EXPECT_TRUE(p().userActions.empty()) << "each came while the box waited";
    EXPECT_TRUE(p().messageBoxes.empty());
    EXPECT_EQ(State("Messenger"), svc::kStopped);
    EXPECT_FALSE(main().changing());
    User([&] { main().cmdStart.userClick(); });
    EXPECT_EQ(State("Messenger"), svc::kRunning) << "after the wait, commands run again";
}

namespace {

// A row's staging: the manager refuses the next call of that kind with the code.
std::function<void(sim::SimService&)> Refused(sim::ServiceCall call, long error) {
    return [call, error](sim::SimService&) { sim::Services().failures[call] = {error}; };
}

}  // namespace

// A request the manager refuses is told at once, with the system's reason,
// and the wait box never opens: the service will not move. Each row is one
// way Windows refuses one of the four commands, as a result code and last
// error; the service stays as it was.
TEST_F(NightjarTest, ARefusedRequestIsToldAtOnceWithTheSystemsReason) {
    enum Command { kStart, kStop, kPause, kContinue };
    const struct {
        const char* what;
        Command command;
        std::uint32_t from;  // the service's state when the program starts
        std::function<void(sim::SimService&)> stage;
        long error;
    } rows[] = {
        {"stop: cannot accept controls now", kStop, svc::kRunning,
         Refused(sim::ServiceCall::Control, platform::kErrorServiceCannotAcceptCtrl),
         platform::kErrorServiceCannotAcceptCtrl},
        {"stop: not active", kStop, svc::kRunning, Refused(sim::ServiceCall::Control, platform::kErrorServiceNotActive),
         platform::kErrorServiceNotActive},
        {"stop: access denied", kStop, svc::kRunning, Refused(sim::ServiceCall::Control, platform::kErrorAccessDenied),
         platform::kErrorAccessDenied},
        {"stop: already stopping since the list was read", kStop, svc::kRunning,
         [](sim::SimService& s) { s.status.currentState = svc::kStopPending; },
         platform::kErrorServiceCannotAcceptCtrl},
        {"stop: a service that takes no stop", kStop, svc::kRunning,
         [](sim::SimService& s) { s.status.controlsAccepted = svc::kAcceptPauseContinue; },
         platform::kErrorInvalidServiceControl},
        {"stop: the service may not be opened by this user", kStop, svc::kRunning,
         [](sim::SimService& s) { s.rights = svc::kQueryStatus | svc::kQueryConfig | svc::kEnumerateDependents; },
         platform::kErrorAccessDenied},
        {"start: access denied", kStart, svc::kStopped, Refused(sim::ServiceCall::Start, platform::kErrorAccessDenied),
         platform::kErrorAccessDenied},
        {"start: already running", kStart, svc::kStopped,
         Refused(sim::ServiceCall::Start, platform::kErrorServiceAlreadyRunning),
         platform::kErrorServiceAlreadyRunning},
        {"start: disabled since the list was read", kStart, svc::kStopped,
         [](sim::SimService& s) { s.startType = svc::kDisabled; }, platform::kErrorServiceDisabled},
        {"pause: cannot accept controls now", kPause, svc::kRunning,
         Refused(sim::ServiceCall::Control, platform::kErrorServiceCannotAcceptCtrl),
         platform::kErrorServiceCannotAcceptCtrl},
        {"pause: access denied", kPause, svc::kRunning,
         Refused(sim::ServiceCall::Control, platform::kErrorAccessDenied), platform::kErrorAccessDenied},
        {"pause: a service that takes no pause", kPause, svc::kRunning,
         [](sim::SimService& s) { s.status.controlsAccepted = svc::kAcceptStop; },
         platform::kErrorInvalidServiceControl},
        {"continue: cannot accept controls now", kContinue, svc::kPaused,
         Refused(sim::ServiceCall::Control, platform::kErrorServiceCannotAcceptCtrl),
         platform::kErrorServiceCannotAcceptCtrl},
        {"continue: access denied", kContinue, svc::kPaused,
         Refused(sim::ServiceCall::Control, platform::kErrorAccessDenied), platform::kErrorAccessDenied},
    };
    // Each command's word in the message and the button that asks for it, in
    // the order of Command.
    const struct {
        const char* verb;
        void (nightjar::frmMain::*click)();
    } commands[] = {{"start", &nightjar::frmMain::cmdStart_Click},
                    {"stop", &nightjar::frmMain::cmdStop_Click},
                    {"pause", &nightjar::frmMain::cmdPause_Click},
                    {"continue", &nightjar::frmMain::cmdContinue_Click}};
    for (const auto& row : rows) {
        FreshRow(row.what, [&] {
            messenger().status.currentState = row.from;
            Start();
            ASSERT_TRUE(main().visible());
            row.stage(messenger());
            const std::uint32_t state = messenger().status.currentState;
            p().answers = {sim::Answer(platform::kIdYes)};  // pause asks first
            const std::uint64_t before = m().now;
            User([&] { (main().*commands[row.command].click)(); });
            ASSERT_FALSE(p().messageBoxes.empty());
            const auto& told = p().messageBoxes.back();
            EXPECT_EQ(told.text, "Unable to " + std::string(commands[row.command].verb) +
                                     " the Messenger service.\r\n\r\nError " + std::to_string(row.error) + ": " +
                                     platform::SystemErrorText(row.error));
            EXPECT_EQ(told.icon, platform::kMbIconError);
            EXPECT_EQ(told.title, "Nightjar");
            EXPECT_EQ(p().messageBoxes.size(), row.command == kPause ? 2u : 1u) << "the refusal, and nothing else";
            EXPECT_EQ(WaitBoxes(), 0u) << "no wait for a service that will not move";
            EXPECT_EQ(m().now, before) << "told at once";
            EXPECT_TRUE(Requests().empty());
            EXPECT_EQ(messenger().status.currentState, state);
            EXPECT_EQ(nightjar::colServices.Item("MESSENGER")->CurrentStatus, static_cast<std::int32_t>(state))
                << "the record reads the state the service is in";
            EXPECT_EQ(main().mousePointer(), forms::kPointerDefault);
            EXPECT_FALSE(main().changing());
        });
    }
}

// A running dependent that refuses to stop keeps the Messenger service
// running: the refusal is told, and the service is not asked in vain.
TEST_F(NightjarTest, ADependentThatRefusesToStopEndsThePrevent) {
    auto& alpha = scm().add("Alpha", "Alpha Service");
    alpha.dependencies = {"Messenger"};
    alpha.status.currentState = svc::kRunning;
    alpha.status.controlsAccepted = svc::kAcceptPauseContinue;
    Start();
    p().answers = {sim::Answer(platform::kIdYes)};
    User([&] { main().cmdStop.userClick(); });
    EXPECT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts().back(),
              "Unable to stop the Alpha Service service.\r\n\r\nError 1052: The requested "
              "control is not valid for this service.");
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(WaitBoxes(), 0u);
    EXPECT_EQ(State("Messenger"), svc::kRunning);
}

class MessengerDependentsTest : public NightjarTest {
protected:
    void SetUp() override {
        NightjarTest::SetUp();
        auto add = [&](const char* name, const char* display, std::uint32_t state) {
            auto& service = scm().add(name, display);
            service.dependencies = {"Messenger"};
            service.status.currentState = state;
        };
        add("Alpha", "Alpha Service", svc::kRunning);
        add("Beta", "Beta Service", svc::kStopped);
        add("Gamma", "Gamma Service", svc::kPaused);
        // A driver: listed among the dependents, not among the services.
        add("Delta", "Delta Driver", svc::kRunning);
        scm().find("Delta")->status.serviceType = 1;
        Start();
    }
};

TEST_F(MessengerDependentsTest, TheQuestionListsEveryDependentAndNoStopsNothing) {
    p().answers = {sim::Answer(platform::kIdNo)};
    User([&] { main().cmdStop.userClick(); });
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(p().messageBoxes[0].text,
              "Messenger has the following dependent service(s) that also need to be stopped:  \r\n\r\n"
              "Alpha Service\r\nBeta Service\r\nGamma Service\r\nDelta Driver\r\n"
              "\r\nAre you sure you wish to stop all the above services?");
    EXPECT_EQ(p().messageBoxes[0].title, "Stopping");
    EXPECT_EQ(p().messageBoxes[0].buttons, platform::kMbYesNo);
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconQuestion);
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(WaitBoxes(), 0u);
}

TEST_F(MessengerDependentsTest, YesStopsTheRunningDependentsFirstThenTheService) {
    const std::size_t records = nightjar::colServices.Count();
    p().answers = {sim::Answer(platform::kIdYes)};
    User([&] { main().cmdStop.userClick(); });
    EXPECT_EQ(Requests(), (std::vector<std::string>{"Alpha:stop", "Delta:stop"}))
        << "the paused and the stopped dependents are left alone; the manager refuses the Messenger's stop "
           "while its paused dependent is active";
    EXPECT_EQ(WaitBoxes(), 2u) << "the refused stop is not waited for";
    EXPECT_EQ(BoxTexts().back(),
              "Unable to stop the Messenger service.\r\n\r\nError 1051: A stop control has been sent to a "
              "service that other running services are dependent on.");
    EXPECT_EQ(State("Gamma"), svc::kPaused);
    EXPECT_EQ(State("Delta"), svc::kStopped) << "a dependent without a record goes by its status";
    EXPECT_EQ(nightjar::colServices.Count(), records) << "no empty record is added";
    EXPECT_EQ(nightjar::colServices.Item("DELTA"), nullptr);
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Enabled");

    scm().find("Gamma")->status.currentState = svc::kStopped;
    p().answers = {sim::Answer(platform::kIdYes)};
    User([&] { main().cmdStop.userClick(); });
    EXPECT_EQ(Requests(), (std::vector<std::string>{"Alpha:stop", "Delta:stop", "Messenger:stop"}))
        << "the stopped dependents are not asked again";
    EXPECT_EQ(State("Messenger"), svc::kStopped);
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Disabled") << "the last refresh is the Messenger's";
}

TEST_F(StartedTest, PauseAsksThenPausesAndContinueResumes) {
    p().answers = {sim::Answer(platform::kIdNo)};
    User([&] { main().cmdPause_Click(); });
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(p().messageBoxes[0].text, "Are you sure you want to pause the Messenger service?");
    EXPECT_EQ(p().messageBoxes[0].title, "Services");
    EXPECT_EQ(p().messageBoxes[0].icon, 0u);
    EXPECT_TRUE(Requests().empty());

    p().answers = {sim::Answer(platform::kIdYes)};
    User([&] { main().cmdPause_Click(); });
    EXPECT_EQ(State("Messenger"), svc::kPaused);
    EXPECT_EQ(nightjar::SCMsgText, "Attempting to pause the Messenger service.");
    EXPECT_EQ(main().lvServices.item(1).subItem(1), "Paused");
    EXPECT_EQ(main().lvServices.item(1).foreColor(), nightjar::kRowGreen) << "the wait box's green";
    EXPECT_TRUE(main().cmdContinue.enabled());
    EXPECT_FALSE(main().cmdPause.enabled());

    User([&] { main().cmdContinue_Click(); });
    EXPECT_EQ(State("Messenger"), svc::kRunning);
    EXPECT_EQ(nightjar::SCMsgText, "Attempting to continue the Messenger service.");
    EXPECT_EQ(nightjar::SCMsgTargetState, 4);
    User([&] { main().cmdContinue_Click(); });
    EXPECT_EQ(Requests(), (std::vector<std::string>{"Messenger:pause", "Messenger:continue"}))
        << "continuing needs a paused record";
}

// Pausing takes a record that reads exactly running (4), continuing one that
// reads exactly paused (7); the Running view covers 4 to 7 and is not enough.
TEST_F(StartedTest, PauseNeedsStateFourAndContinueStateSeven) {
    auto* record = nightjar::colServices.Item("MESSENGER");
    const struct {
        const char* command;
        std::uint32_t service;  // the state the service is really in
        std::int32_t accepted;  // the one record state that sends the request
    } commands[] = {{"pause", svc::kRunning, 4}, {"continue", svc::kPaused, 7}};
    for (const auto& command : commands) {
        for (std::int32_t state = 1; state <= 7; ++state) {
            SCOPED_TRACE(std::string(command.command) + " with the record at " + std::to_string(state));
            messenger().status.currentState = command.service;
            record->CurrentStatus = state;
            scm().requests.clear();
            p().answers = {sim::Answer(platform::kIdYes)};
            User([&] {
                if (command.accepted == 4)
                    main().cmdPause_Click();
                else
                    main().cmdContinue_Click();
            });
            EXPECT_EQ(Requests().size(), state == command.accepted ? 1u : 0u);
        }
    }
}

TEST_F(StartedTest, TheTestMessageAsksFirstThenStartsNetSendHidden) {
    sim::Ip().addresses = {sim::Address("127.0.0.1"), sim::Address("10.0.0.5"), sim::Address("172.16.0.9")};
    User([&] { main().Command1.userClick(); });
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(p().messageBoxes[0].text,
              "You are about to be sent a test message.  If a popup message appears on your screen, Microsoft "
              "Popup Messages are enabled, otherwise, they are disabled.\r\n\r\nPress OK to send the test message");
    EXPECT_EQ(p().messageBoxes[0].title, "Nightjar");
    EXPECT_EQ(
        sim::Starts().commandLines,
        std::vector<std::string>{"net send  172.16.0.9 If you can see this, Windows Popup Messages are enabled."});
}

// A net.exe planted beside the program or in the current folder is never
// run: the program named is the system folder's own, in full.
TEST_F(StartedTest, TheTestMessageRunsTheSystemFoldersNet) {
    m().files.addFile(m().files.programFolder + "\\net.exe", "MZ planted");
    const char* const folders[] = {"C:\\WINDOWS\\system32", "D:\\WINNT\\System32"};
    for (const char* folder : folders) {
        SCOPED_TRACE(folder);
        m().files.systemFolder = folder;
        m().files.addFile(std::string(folder) + "\\net.exe", "MZ");
        sim::Starts().programs.clear();
        p().messageBoxes.clear();
        User([&] { main().Command1.userClick(); });
        EXPECT_EQ(sim::Starts().programs, std::vector<std::string>{std::string(folder) + "\\net.exe"});
        EXPECT_EQ(p().messageBoxes.size(), 1u) << "started: nothing more is said";
    }
}

TEST_F(StartedTest, ATestMessageThatCannotBeStartedIsReported) {
    const struct {
        const char* what;
        std::function<void()> stage;
        long error;
        std::size_t started;
    } rows[] = {
        {"the start refused", [] { sim::Starts().failure = 2; }, 2, 1},
        {"no net.exe in the system folder",
         [this] { m().files.entries.erase(sim::Fold(m().files.systemFolder + "\\net.exe")); }, 2, 1},
        {"no system folder known", [this] { m().files.systemFolder.clear(); }, 3, 0},
    };
    for (const auto& row : rows) {
        FreshRow(row.what, [&] {
            row.stage();
            p().messageBoxes.clear();
            User([&] { main().mnuActionItem2.userClick(); });
            ASSERT_EQ(p().messageBoxes.size(), 2u);
            EXPECT_EQ(p().messageBoxes[1].text,
                      "The test message could not be sent: the system's \"net send\" command could not be "
                      "started (error " +
                          std::to_string(row.error) + ").");
            EXPECT_EQ(p().messageBoxes[1].icon, platform::kMbIconError);
            EXPECT_EQ(sim::Starts().programs.size(), row.started) << "nothing is searched for in its place";
        });
    }
}

TEST_F(StartedTest, ThePropertiesWindowNamesTheServiceAndLocksASharedAccount) {
    for (bool shared : {true, false}) {
        SCOPED_TRACE(shared);
        nightjar::colServices.Item("MESSENGER")->ServiceType = shared ? 0x20 : 0x10;
        auto& window = forms::The<nightjar::frmStartup>();
        bool enabledAtShow = true;
        p().userActions.push_back([&] {
            EXPECT_EQ(window.caption(), "Service - Under construction still");
            EXPECT_EQ(window.lblServiceName.caption(), "Messenger");
            enabledAtShow = window.optSystem.enabled() && window.txtPassword.enabled() && window.Label3.enabled();
            if (shared) {
                EXPECT_EQ(window.txtAccountName.backColor(), nightjar::kButtonFace);
            }
            EXPECT_TRUE(window.optAutomatic.enabled());
            window.cmdOK.userClick();
            EXPECT_TRUE(window.visible()) << "the other boxes do nothing";
            window.cmdCancel.userClick();
        });
        User([&] { main().cmdStartup_Click(); });
        EXPECT_EQ(enabledAtShow, !shared);
        EXPECT_FALSE(window.loaded());
    }
    main().lvServices.item(1).setSelected(false);
    User([&] { main().cmdStartup_Click(); });
    EXPECT_FALSE(forms::The<nightjar::frmStartup>().loaded()) << "no selected row, no window";
}

}  // namespace
