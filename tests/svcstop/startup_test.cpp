// nightjar from its start: the operating-system check, the tray icon, the two
// options, the Messenger row and the Prevent action at start, the menus, and
// the ways the program ends.
#include "frame/form8.h"
#include "frame/frm_about.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "svcstop/frm_website.h"
#include "tests/svcstop/nightjar_test.h"

namespace {

namespace svc = platform::svc;
using platform::reg::kLocalMachine;

constexpr const char* kRefusal = "This program can only be run on Windows NT/2000/XP.";

TEST_F(StartedTest, StartShowsTheMainWindowWithItsIconCaptionsAndNoHelp) {
    EXPECT_EQ(main().caption(), "Nightjar");
    ASSERT_EQ(m().trayIcons.size(), 1u);
    const auto& icon = m().trayIcons.begin()->second;
    EXPECT_EQ(icon.hWnd, main().hwnd());
    EXPECT_EQ(icon.uID, nightjar::kTrayIconId);
    EXPECT_STREQ(icon.szTip, "Animated TrayIcon");
    EXPECT_EQ(main().cmdWebsite.caption(), "Visit www.quillmere.example");
    EXPECT_EQ(main().website.caption(), "Visit www.quillmere.example");
    EXPECT_EQ(main().program.caption(), "Nightjar");
    EXPECT_FALSE(main().Popup.visible()) << "the tray menu is no menu of the bar";
    EXPECT_FALSE(main().lvServices.visible());
    EXPECT_FALSE(forms::The<Form8>().loaded()) << "nightjar shows help from its menu only";
    EXPECT_FALSE(main().bDoOnce);
    EXPECT_EQ(main().liPreviousItem, &main().lvServices.item(1));
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Enabled");
}

TEST_F(NightjarTest, OnlyWindowsNt2000AndXpRun) {
    struct Case {
        const char* what;
        platform::version::OsVersionInfo os;
        bool runs;
    };
    const Case cases[] = {
        {"Windows NT 4.0", Os(4, 0, 1381, 2, "Service Pack 6"), true},
        {"Windows 2000", Os(5, 0, 2195, 2, "Service Pack 4"), true},
        {"Windows XP", Os(5, 1, 2600, 2, "Service Pack 3"), true},
        {"Windows 98", Os(4, 10, 1998, 1), false},
        {"Windows ME", Os(4, 90, 3000, 1), false},
        {"Windows Vista", Os(6, 0, 6002, 2, "Service Pack 2"), false},
        {"Windows 7", Os(6, 1, 7601, 2, "Service Pack 1"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::NewProcess();
        m().journal.clear();
        scm().opens.clear();
        m().os = c.os;
        Start();
        EXPECT_EQ(main().visible(), c.runs);
        EXPECT_EQ(p().ended, !c.runs);
        if (c.runs) continue;
        ASSERT_EQ(BoxTexts(), std::vector<std::string>{kRefusal});
        EXPECT_EQ(p().messageBoxes[0].title, "Nightjar");
        EXPECT_EQ(p().messageBoxes[0].buttons, platform::kMbOk);
        EXPECT_TRUE(sim::Journal<sim::TrayCall>().empty()) << "the refusal comes before any icon";
        EXPECT_TRUE(scm().opens.empty()) << "nor is any service looked at";
    }
}

TEST_F(NightjarTest, OnlyExactlyOneSetsAnOption) {
    struct Case {
        const char* stored;  // nullptr: absent
        int ticked;
    };
    const Case cases[] = {{nullptr, 0}, {"0", 0}, {"1", 1}, {" 1", 0}, {"1 ", 0}, {"11", 0}, {"yes", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "absent");
        sim::NewProcess();
        m().registry.roots.erase(kLocalMachine);
        if (c.stored) {
            SetMachineSetting("Auto", c.stored);
            SetMachineSetting("Startup", c.stored);
        }
        messenger().status.currentState = svc::kStopped;
        m().journal.clear();
        Start();
        EXPECT_EQ(main().chkAuto.value(), c.ticked);
        EXPECT_EQ(main().chkStartup.value(), c.ticked);
        // Only a box the start ticks runs its handler, which writes the value again.
        EXPECT_EQ(sim::Journal<sim::RegistryWrite>().empty(), c.ticked == 0);
    }
}

TEST_F(NightjarTest, AutoStopsARunningServiceBeforeTheWindowShows) {
    SetMachineSetting("Auto", "1");
    bool visibleAtStop = true;
    messenger().scripts[sim::kRequestStop] = {sim::ServiceStep{svc::kStopPending, 1, 1000},
                                              sim::ServiceStep{svc::kStopped}};
    p().userActions.push_back([&] { visibleAtStop = main().visible(); });
    Start();
    EXPECT_FALSE(visibleAtStop) << "the wait box runs inside the main window's load";
    EXPECT_EQ(Requests(), std::vector<std::string>{"Messenger:stop"});
    EXPECT_EQ(WaitBoxes(), 1u);
    EXPECT_EQ(State("Messenger"), svc::kStopped);
    ASSERT_TRUE(main().visible());
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Disabled");
    EXPECT_EQ(main().lblStatus.foreColor(), nightjar::kStatusBlue);
    EXPECT_EQ(main().lvServices.item(1).foreColor(), nightjar::kRowRed);
    EXPECT_EQ(MachineSetting("Auto"), std::string("1\0", 2));
}

TEST_F(NightjarTest, AutoLeavesAStoppedServiceAloneWithoutAWaitBox) {
    SetMachineSetting("Auto", "1");
    messenger().status.currentState = svc::kStopped;
    Start();
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(WaitBoxes(), 0u);
    EXPECT_TRUE(main().visible());
    EXPECT_EQ(main().lblStatus.caption(), "Popup Messages Disabled");
}

TEST_F(NightjarTest, StartupRewritesTheRunValueWithTheRunningPath) {
    const std::string command = "\"C:\\Program Files\\Quillmere\\nightjar.exe\"";
    SetMachineSetting("Startup", "1");
    m().registry.setString(kLocalMachine, kRunKey, "duskwing", "\"D:\\old\\nightjar.exe\"");
    Start();
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "duskwing"), command + std::string(1, '\0'));

    main().chkStartup.userClick();
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "duskwing"), "<none>");
    EXPECT_EQ(MachineSetting("Startup"), std::string("0\0", 2));
    main().chkStartup.userClick();
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "duskwing"), command + std::string(1, '\0'));
    main().chkAuto.userClick();
    EXPECT_EQ(MachineSetting("Auto"), std::string("1\0", 2));
    EXPECT_TRUE(Requests().empty()) << "the option takes effect at the next start";
}

// The registry refuses the value's write with a result code, as for a
// limited account: the tick is told, until the user chooses Ignore.
TEST_F(StartedTest, ARefusedOptionWriteIsToldUntilIgnored) {
    m().registry.failures[sim::RegistryCall::SetValue] = {platform::kErrorAccessDenied};
    p().answers = {sim::Answer(platform::kIdAbort)};
    main().chkAuto.userClick();
    EXPECT_EQ(main().chkAuto.value(), 1);
    ASSERT_EQ(p().messageBoxes.size(), 1u) << "the refused write is not left silent";
    EXPECT_EQ(p().messageBoxes[0].title, "Permission Denied");
    EXPECT_EQ(MachineSetting("Auto"), "<none>");

    m().registry.localMachineReadOnly = true;
    p().answers = {sim::Answer(platform::kIdIgnore)};
    main().chkStartup.userClick();
    EXPECT_EQ(p().messageBoxes.size(), 2u);
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), std::string("1\0", 2));
    main().chkAuto.userClick();
    main().chkStartup.userClick();
    EXPECT_EQ(p().messageBoxes.size(), 2u) << "nothing is asked after Ignore";
    EXPECT_EQ(MachineSetting("Startup"), "<none>");
}

// A limited account with "Auto" set by an administrator: loading the box
// writes the value again and is refused; the start goes on past the question.
TEST_F(NightjarTest, ARefusedWriteAtStartDoesNotStopTheStart) {
    SetMachineSetting("Auto", "1");
    m().registry.localMachineReadOnly = true;
    p().answers = {sim::Answer(platform::kIdAbort)};
    Start();
    ASSERT_TRUE(main().visible());
    EXPECT_EQ(p().messageBoxes.at(0).title, "Permission Denied");
    EXPECT_EQ(main().chkAuto.value(), 1);
    EXPECT_EQ(State("Messenger"), svc::kStopped) << "the Prevent action still runs";
    EXPECT_EQ(MachineSetting("Auto"), std::string("1\0", 2));
}

// The settings key refuses to open (an account the administrator shut out).
TEST_F(NightjarTest, ASettingsKeyThatCannotBeOpenedEndsTheProgramWithItsReason) {
    SetMachineSetting("Auto", "1");
    auto& window = main();
    const auto load = window.onLoad;
    window.onLoad = [&, load] {
        m().registry.failures[sim::RegistryCall::OpenKeyEx] = {platform::kErrorAccessDenied};
        load();
    };
    Start();
    EXPECT_TRUE(p().ended);
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("Could not open registry section"), std::string::npos)
        << p().messageBoxes[0].text;
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconError);
    EXPECT_TRUE(m().trayIcons.empty()) << "no icon is left behind";
    EXPECT_TRUE(Requests().empty());
}

// "Auto" or "Startup" stored as another type than text: the program sets the
// value aside as if it were absent, says which and why in one box, and
// starts; the value stays as it was until the user changes the option.
TEST_F(NightjarTest, ASettingOfTheWrongTypeIsSetAsideAndTheProgramStarts) {
    namespace reg = platform::reg;
    const std::string dword1("\1\0\0\0", 4);
    const char* const autoOption = "Automatically Disable Popup Messages";
    const struct {
        const char* key;
        const char* option;
        std::uint32_t type;
        const char* typeName;
        std::string data;
    } rows[] = {
        {"Auto", autoOption, reg::kDword, "REG_DWORD", dword1},
        {"Auto", autoOption, reg::kBinary, "REG_BINARY", std::string("1", 1)},
        {"Auto", autoOption, reg::kMultiSz, "REG_MULTI_SZ", std::string("1\0\0", 3)},
        {"Startup", "Run automatically at startup", reg::kDword, "REG_DWORD", dword1},
    };
    for (const auto& row : rows) {
        const std::string told =
            "\"" + std::string(row.key) + "\" (" + row.option + ") is a " + row.typeName + " value.";
        FreshRow(told, [&] {
            m().registry.setValue(reg::kLocalMachine, kMachineSettings, row.key, row.type, row.data);
            Start();
            ASSERT_TRUE(main().visible()) << "the start reaches the main window";
            ASSERT_EQ(BoxTexts().size(), 1u);
            EXPECT_EQ(p().messageBoxes[0].text,
                      "Nightjar set aside what it found under "
                      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillmere\\duskwing\\Settings, where settings are kept as "
                      "text (REG_SZ):\r\n\r\n" +
                          told +
                          "\r\n\r\nSuch an option starts unticked, and its stored value is left as it is until "
                          "you change the option.");
            EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconWarning);
            EXPECT_EQ(main().chkAuto.value(), 0);
            EXPECT_EQ(main().chkStartup.value(), 0);
            EXPECT_TRUE(Requests().empty()) << "taken as absent: Messenger is not stopped";
            EXPECT_FALSE(m().registry.value(reg::kLocalMachine, kRunKey, "duskwing").has_value());
            const auto kept = m().registry.value(reg::kLocalMachine, kMachineSettings, row.key);
            ASSERT_TRUE(kept.has_value());
            EXPECT_EQ(kept->type, row.type) << "the value is left as it is";
            EXPECT_EQ(kept->data, row.data);

            // The user ticks the option: the value becomes text.
            forms::CheckBox& box = std::string(row.key) == "Auto" ? main().chkAuto : main().chkStartup;
            box.userClick();
            EXPECT_EQ(MachineSetting(row.key), std::string("1\0", 2));
            EXPECT_EQ(m().registry.value(reg::kLocalMachine, kMachineSettings, row.key)->type, reg::kSz);
        });
    }
}

TEST_F(NightjarTest, BothSettingsOfTheWrongTypeAreToldInOneBox) {
    m().registry.setValue(platform::reg::kLocalMachine, kMachineSettings, "Auto", platform::reg::kDword,
                          std::string("\1\0\0\0", 4));
    m().registry.setValue(platform::reg::kLocalMachine, kMachineSettings, "Startup", 11, std::string(8, '\0'));
    Start();
    ASSERT_TRUE(main().visible());
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(BoxTexts()[0].find(":\r\n\r\n\"Auto\" (Automatically Disable Popup Messages) is a REG_DWORD value.\r\n"
                                 "\"Startup\" (Run automatically at startup) is a REG_QWORD value.\r\n\r\n"),
              std::string::npos)
        << BoxTexts()[0];
}

TEST_F(NightjarTest, WithoutAServiceNamedExactlyMessengerTheProgramSaysSoAndEnds) {
    for (const char* name : {"", "messenger", "MESSENGER"}) {
        FreshRow(std::string("the service named '") + name + "'", [&] {
            messenger().name = name[0] ? name : "Alerter";
            Start();
            EXPECT_TRUE(p().ended);
            ASSERT_EQ(p().messageBoxes.size(), 1u);
            EXPECT_EQ(p().messageBoxes[0].text,
                      "The Messenger service is not installed on this computer, so there are no popup messages for "
                      "Nightjar to prevent. The program will now close.");
            EXPECT_TRUE(m().trayIcons.empty());
            EXPECT_EQ(main().lvServices.itemCount(), 0);
        });
    }
}

TEST_F(NightjarTest, AFailedListingEndsTheProgramAfterItsErrorBox) {
    scm().failures[sim::ServiceCall::EnumServices] = {platform::kErrorAccessDenied};
    Start();
    EXPECT_TRUE(p().ended);
    EXPECT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_TRUE(m().trayIcons.empty());
}

TEST_F(StartedTest, MenusOpenHelpAndAboutWithTheVersion) {
    main().mnuHelpItem.userClick();
    EXPECT_TRUE(forms::The<Form8>().visible());
    EXPECT_EQ(StoredSetting("Nightjar", "showHelp"), std::string("1\0", 2));
    main().mnuAboutItem0.userClick();
    EXPECT_EQ(forms::The<frmAbout>().caption(), "About Nightjar");
    EXPECT_EQ(forms::The<frmAbout>().lblVersion.caption(), "2.0");
}

TEST_F(StartedTest, TheHelpBoxReadsNightjarsOwnSetting) {
    m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", "1");
    m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Nightjar"), "showHelp", "0");
    main().mnuHelpItem.userClick();
    EXPECT_EQ(forms::The<Form8>().Check1.value(), 0);
    forms::The<Form8>().Check1.userClick();
    EXPECT_EQ(StoredSetting("Nightjar", "showHelp"), std::string("1\0", 2));
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("1\0", 2)) << "windhover's own is left alone";
}

TEST_F(StartedTest, TheAboutBoxTheButtonAndTheTrayItemOpenTheOneBrowserWindow) {
    main().mnuAboutItem0.userClick();
    forms::The<frmAbout>().lblWebsite.userClick();
    auto& browser = forms::The<nightjar::frmWebsite>();
    EXPECT_TRUE(browser.visible());
    browser.Hide();
    main().cmdWebsite.userClick();
    EXPECT_TRUE(browser.visible());
    browser.Unload();
    main().website.userClick();
    EXPECT_TRUE(browser.visible());
    EXPECT_TRUE(ShellExecutes().empty()) << "nightjar shows its page itself";
}

TEST_F(StartedTest, FileExitAndTrayExitEndTheProgramTheSameWay) {
    for (forms::Menu nightjar::frmMain::*item : {&nightjar::frmMain::mnuFileItem1, &nightjar::frmMain::Exit}) {
        sim::NewProcess();
        Start();
        forms::Menu* exit = &(main().*item);
        SCOPED_TRACE(exit->name());
        main().mnuHelpItem.userClick();
        main().mnuAboutItem0.userClick();
        User([&] { exit->userClick(); });
        EXPECT_TRUE(m().trayIcons.empty());
        EXPECT_FALSE(forms::The<Form8>().loaded());
        EXPECT_FALSE(forms::The<frmAbout>().loaded());
        EXPECT_TRUE(p().ended);
    }
}

TEST_F(StartedTest, ASecondStartOnTheSameMachineIsLikeTheFirst) {
    main().mnuHelpItem.userClick();
    forms::The<Form8>().Check1.userClick();
    User([&] { main().mnuFileItem1.userClick(); });
    ASSERT_TRUE(p().ended);

    sim::NewProcess();
    Start();
    ASSERT_TRUE(main().visible());
    EXPECT_EQ(main().caption(), "Nightjar");
    EXPECT_EQ(m().trayIcons.size(), 1u);
    EXPECT_EQ(main().lvServices.itemCount(), 1);
    EXPECT_FALSE(forms::The<Form8>().loaded());
    EXPECT_EQ(StoredSetting("Nightjar", "showHelp"), std::string("0\0", 2)) << "the first run's setting is kept";
}

TEST_F(NightjarTest, ASettingsKeyThatRefusesWritesStopsNeitherTheStartNorTheEnd) {
    m().registry.currentUserReadOnly = true;
    Start();
    ASSERT_TRUE(main().visible()) << "the start reaches the main window";
    EXPECT_TRUE(p().messageBoxes.empty()) << "the start stores nothing of the user's";
    // The help window's box stores its setting: the refusal is told once.
    main().mnuHelpItem.userClick();
    auto& help = forms::The<Form8>();
    EXPECT_TRUE(p().messageBoxes.empty()) << "its load stores the box again, quietly";
    for (int click = 0; click < 2; ++click) help.Check1.userClick();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("\"showHelp\""), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconWarning);
    EXPECT_TRUE(help.visible()) << "the window stays";
    User([&] { main().mnuFileItem1.userClick(); });
    EXPECT_TRUE(p().ended);
    EXPECT_TRUE(m().trayIcons.empty());
    EXPECT_EQ(p().messageBoxes.size(), 1u);
}

TEST_F(StartedTest, TheTrayIconComesBackAfterTheTaskbarRestarts) {
    sim::RestartTaskbar();
    ASSERT_EQ(m().trayIcons.size(), 1u);
    EXPECT_EQ(m().trayIcons.begin()->second.uID, nightjar::kTrayIconId);
    main().mnuFileItem0.userClick();
    EXPECT_FALSE(main().visible());
    p().popupChoices = {&main().ShowItem};
    sim::TrayMouse(main().hwnd(), nightjar::kTrayIconId, platform::msg::kRButtonUp);
    EXPECT_TRUE(main().visible());
    User([&] { main().mnuFileItem1.userClick(); });
    EXPECT_TRUE(m().trayIcons.empty());
}

TEST_F(StartedTest, TheCloseBoxEndsTheProgramToo) {
    User([&] { main().userClose(); });
    EXPECT_TRUE(m().trayIcons.empty());
    EXPECT_TRUE(p().ended);
}

TEST_F(StartedTest, WithTheBrowserOpenTheProgramEndsWhenTheBrowserCloses) {
    main().cmdWebsite.userClick();
    User([&] { main().mnuFileItem1.userClick(); });
    EXPECT_FALSE(p().ended) << "the browser window stays open";
    EXPECT_FALSE(main().loaded());
    EXPECT_TRUE(m().trayIcons.empty());
    User([] { forms::The<nightjar::frmWebsite>().userClose(); });
    EXPECT_TRUE(p().ended) << "the last window closed";
}

TEST_F(StartedTest, MinimizeHidesTheWindowAndTheTrayItemsBringItBack) {
    for (forms::Menu* item : {&main().ShowItem, &main().program}) {
        SCOPED_TRACE(item->name());
        main().mnuFileItem0.userClick();
        EXPECT_FALSE(main().visible());
        EXPECT_EQ(m().trayIcons.size(), 1u);
        item->userClick();
        EXPECT_TRUE(main().visible());
        EXPECT_EQ(main().windowState(), forms::WindowState::Normal);
    }
    main().userSetWindowState(forms::WindowState::Minimized);
    EXPECT_FALSE(main().visible()) << "the window's own button hides it too";
    main().ShowItem.userClick();
    main().ShowItem.userClick();
    EXPECT_TRUE(main().visible());
}

// The buttons' messages open the tray menu; the pointer passing over the
// icon, which calls back with a mouse move each time, does not.
TEST_F(StartedTest, TrayButtonMessagesOpenTheTrayMenuAndAMouseMoveDoesNot) {
    namespace msg = platform::msg;
    const struct {
        std::uint32_t message;
        bool opens;
    } rows[] = {
        {msg::kMouseMove, false},
        {msg::kLButtonDown, true},
        {msg::kLButtonUp, true},
        {msg::kLButtonDblClk, true},
        {msg::kRButtonDown, true},
        {msg::kRButtonUp, true},
        {0x206, false},  // right double-click
        {0x207, false},  // middle button down
    };
    for (const auto& row : rows) {
        p().popups.clear();
        sim::TrayMouse(main().hwnd(), nightjar::kTrayIconId, row.message);
        sim::Pump();
        EXPECT_EQ(p().popups.size(), row.opens ? 1u : 0u) << std::hex << row.message;
        if (!p().popups.empty()) {
            EXPECT_EQ(p().popups[0], &main().Popup);
        }
    }
    p().popups.clear();
    for (int button : {0, 3, 4}) {
        main().Form_MouseMove(button, 0, 0x205 * 15.0f, 0);
        EXPECT_TRUE(p().popups.empty()) << "button state " << button;
    }
    p().popupChoices = {&main().Exit};
    User([&] {
        sim::TrayMouse(main().hwnd(), nightjar::kTrayIconId, 0x205);
        sim::Pump();
    });
    EXPECT_TRUE(p().ended) << "the chosen item runs";
}

}  // namespace
