// windhover's main window: what start-up makes of the stored settings and the
// list files, the window state, and what the end of the program stores.
#include <climits>

#include "blocker/frm_website.h"
#include "frame/frm_about.h"
#include "frame/frm_splash.h"
#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/blocker/main_window_fixture.h"

namespace {

using namespace windhover;

TEST_F(MainWindowTest, FirstStartTicksBlockingSetupAndSoundAndMakesTheListFiles) {
    Start();
    const struct {
        forms::CheckBox& box;
        int value;
    } boxes[] = {{main().Check1, 1}, {main().Check2, 1}, {main().Check3, 0},
                 {main().Check4, 0}, {main().Check5, 1}, {main().Check6, 0}};
    for (const auto& b : boxes) EXPECT_EQ(b.box.value(), b.value) << b.box.name();
    EXPECT_EQ(Stored("chkSound"), "1") << "stored by its box at once";
    for (const char* key : {"chkStopPop", "chkAuto", "chkOnTop", "chkRunAtStart", "chkLinks", "intStopped"})
        EXPECT_EQ(Stored(key), "<none>") << key << " waits for the end";
    ASSERT_EQ(main().StatusBar1.panelCount(), 2);
    EXPECT_EQ(Panel(1), "0 Popups blocked to date");
    EXPECT_EQ(Panel(2), "");
    EXPECT_EQ(main().StatusBar1.panel(1).width, main().bounds().width / 2);
    EXPECT_EQ(FileText("allowed.txt"), "www.quillmere.example\r\n");
    EXPECT_EQ(FileText("disallowed.txt"), "\r\n");
    EXPECT_EQ(main().List1.items(), std::vector<std::string>{"www.quillmere.example"});
    EXPECT_EQ(main().List2.listCount(), 0);
    EXPECT_EQ(AllowedSites, "www.quillmere.example\r\n");
    EXPECT_TRUE(main().visible());
    EXPECT_EQ(main().windowState(), forms::WindowState::Normal);
    EXPECT_EQ(Stored("state"), "up");
    EXPECT_TRUE(help().visible());
    EXPECT_EQ(main().caption(), "Windhover by Quillmere");
    EXPECT_EQ(main().Command7.caption(), "Visit www.quillmere.example");
    EXPECT_FALSE(AllowNextPopup);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(MainWindowTest, ExistingListFilesAreReadAndNeverTouched) {
    m().files.addFile(PathOf("allowed.txt"), "a.example\nb.example\r\n");
    m().files.addFile(PathOf("disallowed.txt"), "bad.example\r\n");
    Stage("strAllowed", "stored.example\r\n");
    Start();
    EXPECT_EQ(FileText("allowed.txt"), "a.example\nb.example\r\n");
    EXPECT_EQ(FileText("disallowed.txt"), "bad.example\r\n");
    EXPECT_EQ(main().List1.items(), (std::vector<std::string>{"a.example", "b.example"}));
    EXPECT_EQ(AllowedSites, "a.example\r\nb.example\r\n") << "the file replaces the stored text";
    EXPECT_EQ(DisallowedSites, "bad.example\r\n");
}

// A long list loads into the shown list in one pass: each site is written
// into the native list once.
TEST_F(MainWindowTest, ALongAllowedListIsWrittenIntoTheListOnce) {
    constexpr int kSites = 5000;
    std::string file;
    for (int i = 0; i < kSites; ++i) file += "www.site" + std::to_string(i) + ".example\r\n";
    m().files.addFile(PathOf("allowed.txt"), file);
    Start();
    const sim::Window* native = sim::FindWindow(main().List1.hwnd());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(main().List1.listCount(), kSites);
    EXPECT_EQ(native->items, main().List1.items());
    EXPECT_EQ(native->itemWrites, static_cast<std::size_t>(kSites));
    EXPECT_EQ(AllowedSites, file);
}

TEST_F(MainWindowTest, AListFileTheSearchDoesNotSeeKeepsEveryByteAndIsLoaded) {
    namespace files = platform::files;
    const struct {
        const char* name;
        std::uint32_t attributes;
    } cases[] = {
        {"hidden", files::kHidden | files::kArchive},
        {"system", files::kSystem},
        {"hidden and system", files::kHidden | files::kSystem},
        {"read-only", files::kReadOnly},
        {"archive", files::kArchive},
        {"hidden and read-only", files::kHidden | files::kReadOnly},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            m().files.addFile(PathOf("allowed.txt"), "one.example\r\ntwo.example\r\n", c.attributes);
            m().files.addFile(PathOf("disallowed.txt"), "bad.example", c.attributes);
            Start();
            EXPECT_EQ(FileText("allowed.txt"), "one.example\r\ntwo.example\r\n");
            EXPECT_EQ(FileText("disallowed.txt"), "bad.example");
            EXPECT_EQ(m().files.file(PathOf("allowed.txt"))->attributes, c.attributes);
            EXPECT_EQ(main().List1.items(), (std::vector<std::string>{"one.example", "two.example"}));
            EXPECT_EQ(main().List2.items(), std::vector<std::string>{"bad.example"});
            EXPECT_EQ(AllowedSites, "one.example\r\ntwo.example\r\n");
            EXPECT_TRUE(p().messageBoxes.empty());
            Exit();
            EXPECT_EQ(FileText("allowed.txt"), "one.example\r\ntwo.example\r\n") << "the end leaves it too";
        });
    }
}

TEST_F(MainWindowTest, AHiddenListFileKeepsItsAttributesWhenASiteIsAdded) {
    m().files.addFile(PathOf("allowed.txt"), "one.example\r\n", platform::files::kHidden);
    Start();
    main().Text1.userType("two.example");
    main().Command1.userClick();
    EXPECT_EQ(FileText("allowed.txt"), "one.example\r\ntwo.example\r\n");
    EXPECT_EQ(m().files.file(PathOf("allowed.txt"))->attributes, platform::files::kHidden);
}

TEST_F(MainWindowTest, AProgramFolderPastTheOldPathLimitNamesTheListFilesAndTheRunCommand) {
    std::string folder = "C:\\Program Files";
    while (folder.size() < 300) folder += "\\A folder name of thirty-two chr";
    m().files.programFolder = folder;
    m().files.addFolder(folder);
    Stage("chkRunAtStart", "1");
    Start();
    // The file calls take no path this long: each list is told by its whole
    // path and starts empty, and no file is made anywhere.
    EXPECT_TRUE(main().visible());
    ASSERT_EQ(p().messageBoxes.size(), 2u);
    EXPECT_NE(p().messageBoxes[0].text.find(folder + "\\allowed.txt"), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_NE(p().messageBoxes[1].text.find(folder + "\\disallowed.txt"), std::string::npos)
        << p().messageBoxes[1].text;
    EXPECT_EQ(main().List1.listCount(), 0);
    for (const auto& [path, entry] : m().files.entries)
        EXPECT_TRUE(entry.name != "allowed.txt" && entry.name != "disallowed.txt") << path;
    EXPECT_EQ(StoredString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover"),
              "\"" + folder + "\\windhover.exe\"" + '\0');
}

TEST_F(MainWindowTest, StoredValuesTakeTheirPlacesAndOddOnesTheDefault) {
    const struct {
        const char* key;
        const char* stored;
        int check1;  // chkStopPop's box, default 1
        std::string panel1;
    } cases[] = {
        {"chkStopPop", "0", 0, "0 Popups blocked to date"},
        {"chkStopPop", "2", 2, "0 Popups blocked to date"},
        {"chkStopPop", "7", 1, "0 Popups blocked to date"},
        {"chkStopPop", "yes", 1, "0 Popups blocked to date"},
        {"intStopped", "12", 1, "12 Popups blocked to date"},
        {"intStopped", "2147483647", 1, "2147483647 Popups blocked to date"},
        {"intStopped", "2147483648", 1, "0 Popups blocked to date"},
        {"intStopped", "12 popups", 1, "0 Popups blocked to date"},
    };
    for (const auto& c : cases) {
        FreshRow(std::string(c.key) + "=" + c.stored, [&] {
            Stage(c.key, c.stored);
            Start();
            EXPECT_EQ(main().Check1.value(), c.check1);
            EXPECT_EQ(Panel(1), c.panel1);
            EXPECT_TRUE(p().messageBoxes.empty());
        });
    }
}

TEST_F(MainWindowTest, OnlyTheStateUpStartsShown) {
    const struct {
        const char* stored;
        bool shown;
    } cases[] = {{"up", true}, {"Up", false}, {"down", false}, {"", false}, {"UP ", false}};
    for (const auto& c : cases) {
        FreshRow(std::string("state '") + c.stored + "'", [&] {
            Stage("state", c.stored);
            Start();
            EXPECT_EQ(main().visible(), c.shown);
            EXPECT_EQ(Stored("state"), c.shown ? "up" : "down") << "the start's resize stores it";
            EXPECT_EQ(m().trayIcons.size(), 1u);
        });
    }
}

TEST_F(MainWindowTest, AStartMinimisedWithoutANotificationAreaKeepsTheWindowOnTheTaskbar) {
    m().trayAvailable = false;
    Stage("state", "down");
    Start();
    EXPECT_TRUE(main().visible()) << "hidden, it could not be reached";
    EXPECT_EQ(main().windowState(), forms::WindowState::Minimized);
}

TEST_F(MainWindowTest, AlwaysOnTopStartsTopmostAndPutsHelpOnTopToo) {
    Stage("chkOnTop", "1");
    Start();
    EXPECT_TRUE(AlwaysOnTop);
    EXPECT_TRUE(Topmost(main().hwnd()));
    EXPECT_TRUE(Topmost(help().hwnd()));
    EXPECT_EQ(Stored("chkOnTop"), "1");
}

TEST_F(MainWindowTest, TheHelpAndAboutWindowsAreMadeTopmostOnlyWhenAlwaysOnTopIsOn) {
    for (const bool onTop : {false, true}) {
        FreshRow(onTop ? "always on top" : "not on top", [&] {
            Stage("chkOnTop", onTop ? "1" : "0");
            Stage("showHelp", "1");
            Start();
            ASSERT_TRUE(help().visible());
            // The help window puts itself on top at its load; the main
            // window adds its own call only when always on top.
            const auto topmostCalls = [](platform::Handle window) {
                int calls = 0;
                for (const auto& call : sim::Journal<sim::SetWindowPosCall>())
                    if (call.window == window && call.insertAfter == platform::window::kHwndTopmost) ++calls;
                return calls;
            };
            EXPECT_EQ(topmostCalls(help().hwnd()), onTop ? 2 : 1) << "the help window at the start";
            main().mnuAboutItem0.userClick();
            const platform::Handle about = forms::The<frmAbout>().hwnd();
            EXPECT_EQ(topmostCalls(about), onTop ? 1 : 0);
            EXPECT_EQ(Topmost(about), onTop);
        });
    }
}

TEST_F(MainWindowTest, TheStartSetsTheBoxesFromTheLinkExceptionToPopupBlocking) {
    for (const char* key : {"chkLinks", "chkSound", "chkRunAtStart", "chkOnTop", "chkAuto", "chkStopPop"})
        Stage(key, "1");
    Start();
    std::vector<std::string> order;
    for (const auto& call : sim::Journal<sim::CheckCall>())
        for (forms::CheckBox* box :
             {&main().Check1, &main().Check2, &main().Check3, &main().Check4, &main().Check5, &main().Check6})
            if (box->hwnd() == call.control) order.push_back(box->name() + "=" + std::to_string(call.value));
    EXPECT_EQ(order,
              (std::vector<std::string>{"Check6=1", "Check5=1", "Check4=1", "Check3=1", "Check2=1", "Check1=1"}));
}

TEST_F(MainWindowTest, RunAtLogOnIsWrittenAgainAtEveryStartQuoted) {
    m().files.programFolder = "C:\\Program Files\\Quillmere\\Windhover";
    m().files.addFolder(m().files.programFolder);
    Stage("chkRunAtStart", "1");
    Start();
    EXPECT_EQ(StoredString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover"),
              std::string("\"C:\\Program Files\\Quillmere\\Windhover\\windhover.exe\"") + '\0');
    EXPECT_EQ(main().Check4.value(), 1);
}

TEST_F(MainWindowTest, StartUpCallsInTheirOrder) {
    Start();
    // The window's icons: large then small, to the top owner (the window
    // itself) and the window, before the notification-area icon.
    std::vector<std::uintptr_t> icons;
    for (const auto& message : p().delivered)
        if (message.window == main().hwnd() && message.message == platform::msg::kSetIcon)
            icons.push_back(message.wParam);
    EXPECT_EQ(icons, (std::vector<std::uintptr_t>{1, 1, 0, 0}));
    const auto hotKeys = sim::Journal<sim::HotKeyCall>();
    ASSERT_EQ(hotKeys.size(), 1u);
    EXPECT_EQ(hotKeys[0].window, main().hwnd());
    EXPECT_EQ(m().browsers.connectedShellSinks(), 1) << "the tracker follows the shell's windows";
}

TEST_F(MainWindowTest, AListFileThatCannotBeReadIsReportedOnceAndNeverOverwritten) {
    m().files.addFile(PathOf("allowed.txt"), "kept.example\r\n");
    m().files.locked.insert(sim::Fold(PathOf("allowed.txt")));
    Start();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("allowed.txt"), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconWarning);
    EXPECT_TRUE(main().visible()) << "start-up finished";
    EXPECT_EQ(main().List1.listCount(), 0);
    EXPECT_EQ(AllowedSites, "");
    // The file comes free; the user adds a site: the list not read at the
    // start is not changed, and the user is told which file and why.
    m().files.locked.clear();
    main().Text1.userType("new.example");
    main().Command1.userClick();
    EXPECT_EQ(FileText("allowed.txt"), "kept.example\r\n");
    EXPECT_EQ(main().List1.listCount(), 0);
    EXPECT_EQ(AllowedSites, "");
    ASSERT_EQ(p().messageBoxes.size(), 2u);
    EXPECT_NE(p().messageBoxes[1].text.find(PathOf("allowed.txt") + " is left as it is"), std::string::npos)
        << p().messageBoxes[1].text;
    EXPECT_NE(p().messageBoxes[1].text.find("system error 32"), std::string::npos) << p().messageBoxes[1].text;
}

// The search for a list file fails for another reason than a missing file
// (here a name it refuses; on Windows a folder that may not be listed but
// whose files may be read and written): the list starts empty, unread, and
// neither an Add nor the end writes its file.
TEST_F(MainWindowTest, AListWhoseSearchFailsIsNeverWritten) {
    m().files.programFolder = "C:\\Odd|Folder";
    m().files.addFile(PathOf("allowed.txt"), "one.example\r\ntwo.example\r\n");
    m().files.addFile(PathOf("disallowed.txt"), "bad.example\n");
    Stage("showHelp", "0");
    Start();
    ASSERT_EQ(p().messageBoxes.size(), 2u) << "each list is reported at the start";
    EXPECT_EQ(main().List1.listCount(), 0);
    main().Text1.userType("three.example");
    main().Command1.userClick();
    main().Text2.userType("worse.example");
    main().Command4.userClick();
    EXPECT_EQ(FileText("allowed.txt"), "one.example\r\ntwo.example\r\n");
    EXPECT_EQ(FileText("disallowed.txt"), "bad.example\n");
    EXPECT_EQ(main().List1.listCount(), 0);
    EXPECT_EQ(main().List2.listCount(), 0);
    EXPECT_EQ(AllowedSites, "");
    ASSERT_EQ(p().messageBoxes.size(), 4u);
    for (const char* name : {"allowed.txt", "disallowed.txt"}) {
        const std::string& said = p().messageBoxes[name[0] == 'a' ? 2 : 3].text;
        EXPECT_NE(said.find(PathOf(name) + " is left as it is"), std::string::npos) << said;
        EXPECT_NE(said.find("Cannot look for " + PathOf(name)), std::string::npos) << said;
    }
    Exit();
    EXPECT_EQ(FileText("allowed.txt"), "one.example\r\ntwo.example\r\n");
}

TEST_F(MainWindowTest, AListFileThatCannotBeMadeIsReportedAndTheOtherStillLoads) {
    m().files.addFile(PathOf("disallowed.txt"), "bad.example\r\n");
    m().writeFaults.unwritableFolders.insert(m().files.programFolder);
    Start();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("allowed.txt"), std::string::npos);
    EXPECT_EQ(FileText("allowed.txt"), "<missing>");
    EXPECT_EQ(main().List2.items(), std::vector<std::string>{"bad.example"});
}

// --- the end: File > Exit, the close box, the tray's Exit, a log-off ---------------

struct WayOut {
    const char* name;
    std::function<void(MainWindowTest&)> leave;
};

const std::vector<WayOut>& WaysOut() {
    static const std::vector<WayOut> ways = {
        {"File > Exit", [](MainWindowTest& t) { t.Exit(); }},
        {"the close box", [](MainWindowTest& t) { sim::AsUser([&] { t.main().userClose(); }); }},
        {"the tray's Exit", [](MainWindowTest& t) { sim::AsUser([&] { t.main().Exit.userClick(); }); }},
        {"a log-off", [](MainWindowTest&) { EXPECT_TRUE(sim::LogOff()); }},
    };
    return ways;
}

TEST_F(MainWindowTest, TheEndStoresTheNineKeysInOrderAndTakesItsIconHotKeyAndTracker) {
    Start();
    main().Check6.setValue(1);
    main().Check2.setValue(0);
    PopupsBlocked = 42;
    AllowedSites = "a.example\r\n";
    DisallowedSites = "b.example\r\n";
    m().journal.clear();
    Exit();
    EXPECT_TRUE(p().ended);
    std::vector<std::string> order;
    for (const auto& write : sim::Journal<sim::RegistryWrite>())
        if (write.op == sim::RegistryWrite::SetValue) order.push_back(write.name);
    EXPECT_EQ(order, (std::vector<std::string>{"chkRunAtStart", "chkOnTop", "chkAuto", "chkStopPop", "intStopped",
                                               "strAllowed", "strDisallowed", "chkLinks", "state"}));
    const struct {
        const char* key;
        const char* value;
    } stored[] = {{"chkRunAtStart", "0"},
                  {"chkOnTop", "0"},
                  {"chkAuto", "0"},
                  {"chkStopPop", "1"},
                  {"intStopped", "42"},
                  {"strAllowed", "a.example\r\n"},
                  {"strDisallowed", "b.example\r\n"},
                  {"chkLinks", "1"},
                  {"state", "up"}};
    for (const auto& s : stored) EXPECT_EQ(Stored(s.key), s.value) << s.key;
    EXPECT_TRUE(m().trayIcons.empty());
    EXPECT_EQ(sim::Journal<sim::HotKeyCall>().back().op, sim::HotKeyCall::Unregister);
    EXPECT_EQ(m().browsers.connectedShellSinks(), 0);
}

TEST_F(MainWindowTest, EveryWayOutSavesTheSettings) {
    for (const auto& way : WaysOut()) {
        FreshRow(way.name, [&] {
            Start();
            main().Check1.setValue(0);
            PopupsBlocked = 5;
            way.leave(*this);
            EXPECT_TRUE(p().ended);
            EXPECT_EQ(Stored("chkStopPop"), "0");
            EXPECT_EQ(Stored("intStopped"), "5");
            EXPECT_TRUE(m().trayIcons.empty());
            Restart();
            EXPECT_EQ(main().Check1.value(), 0) << "the next start reads it";
            EXPECT_EQ(Panel(1), "5 Popups blocked to date");
        });
    }
}

// --- a settings key that refuses writes ----------------------------------------

TEST_F(MainWindowTest, ASettingsKeyThatRefusesWritesStopsNeitherTheStartNorTheEnd) {
    for (const auto& way : WaysOut()) {
        FreshRow(way.name, [&] {
            Stage("showHelp", "1");
            m().registry.currentUserReadOnly = true;
            Start();
            EXPECT_TRUE(main().visible()) << "the start reaches the main window";
            EXPECT_FALSE(forms::The<frmSplash>().visible());
            EXPECT_TRUE(help().visible());
            ASSERT_EQ(p().messageBoxes.size(), 1u) << "told once";
            const auto& told = p().messageBoxes[0];
            EXPECT_EQ(told.icon, platform::kMbIconWarning);
            for (const char* key : {"\"chkSound\"", "\"showHelp\"", "\"state\""})
                EXPECT_NE(told.text.find(key), std::string::npos) << key << " in: " << told.text;
            // The user works on: nothing more is said.
            sim::AsUser([&] { main().Command6.userClick(); });
            EXPECT_FALSE(main().visible());
            sim::AsUser([&] { main().show.userClick(); });
            main().Check5.userClick();
            way.leave(*this);
            EXPECT_TRUE(p().ended) << "the end is reached";
            EXPECT_TRUE(m().trayIcons.empty()) << "and takes the icon";
            EXPECT_EQ(p().messageBoxes.size(), 1u);
            EXPECT_EQ(Stored("state"), "<none>");
        });
    }
}

TEST_F(MainWindowTest, SettingsRefusedOnlyAtTheEndAreToldAndTheProgramStillEnds) {
    Start();
    m().registry.currentUserReadOnly = true;
    Exit();
    EXPECT_TRUE(p().ended);
    EXPECT_TRUE(m().trayIcons.empty());
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    for (const char* key : {"chkRunAtStart", "chkOnTop", "chkAuto", "chkStopPop", "intStopped", "strAllowed",
                            "strDisallowed", "chkLinks", "state"})
        EXPECT_NE(p().messageBoxes[0].text.find(std::string("\"") + key + "\""), std::string::npos) << key;
}

TEST_F(MainWindowTest, ARunAtLogOnRefusedAtTheStartIsToldOnceTheStartIsDone) {
    // Shown or hidden in the notification area, the start tells it: the end
    // stores the box as it is then.
    for (const std::string state : {"up", "down"}) {
        FreshRow("state " + state, [&] {
            Stage("state", state);
            Stage("chkRunAtStart", "1");
            m().registry.localMachineReadOnly = true;
            Start();
            EXPECT_EQ(main().visible(), state == "up");
            EXPECT_EQ(main().Check4.value(), 0) << "Windows does not run the program at log-on";
            ASSERT_EQ(p().messageBoxes.size(), 1u);
            EXPECT_NE(p().messageBoxes[0].text.find("could not be set to run at startup"), std::string::npos)
                << p().messageBoxes[0].text;
            EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconWarning);
            EXPECT_EQ(Panel(2), "") << "the box said it";
            sim::AsUser([&] { main().show.userClick(); });
            sim::AsUser([&] { main().Exit.userClick(); });
            EXPECT_EQ(p().messageBoxes.size(), 1u) << "told once";
            EXPECT_EQ(Stored("chkRunAtStart"), "0");
        });
    }
}

// Both keys refuse writes: the run at log-on and the settings the start
// stores are told only once the load is done, the run first, then every
// setting the load refused, the help window's among them. A window kept in
// the notification area is resized while it loads: nothing is told then.
TEST_F(MainWindowTest, WhatTheStartCouldNotDoIsToldOnceTheLoadIsDone) {
    for (const std::string state : {"up", "down"}) {
        FreshRow("state " + state, [&] {
            Stage("state", state);
            Stage("chkRunAtStart", "1");
            Stage("showHelp", "1");
            m().registry.localMachineReadOnly = true;
            m().registry.currentUserReadOnly = true;
            Start();
            ASSERT_EQ(p().messageBoxes.size(), 2u);
            EXPECT_NE(p().messageBoxes[0].text.find("could not be set to run at startup"), std::string::npos)
                << p().messageBoxes[0].text;
            for (const char* key : {"\"chkSound\"", "\"state\"", "\"showHelp\""})
                EXPECT_NE(p().messageBoxes[1].text.find(key), std::string::npos)
                    << key << " in: " << p().messageBoxes[1].text;
        });
    }
}

TEST_F(MainWindowTest, ARunValueAlreadyThereAsOursIsNoRefusalAtTheStart) {
    m().registry.setString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover",
                           "\"" + PathOf("windhover.exe") + "\"");
    m().registry.localMachineReadOnly = true;
    Stage("chkRunAtStart", "1");
    Start();
    EXPECT_EQ(main().Check4.value(), 1);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(MainWindowTest, ALogOffAsksWithTheWindowsReason) {
    Start();
    std::vector<int> modes;
    main().onQueryUnload = [&](int&, int mode) { modes.push_back(mode); };
    EXPECT_TRUE(sim::LogOff());
    EXPECT_EQ(modes, std::vector<int>{forms::kFromWindows});
}

TEST_F(MainWindowTest, WithTheOpenerShownTheProgramEndsWhenItCloses) {
    Start();
    forms::The<frmAbout>().Show();
    forms::The<frmAbout>().lblWebsite.userClick();
    Exit();
    EXPECT_FALSE(p().ended);
    EXPECT_TRUE(forms::The<frmWebsite>().visible());
    EXPECT_EQ(Stored("state"), "up") << "the settings are stored all the same";
    sim::Advance(1000);
    EXPECT_TRUE(p().ended) << "the opener's close ends the program";
}

TEST_F(MainWindowTest, AnOpenerLoadedButNotShownLetsTheEndComeAtOnce) {
    Start();
    sim::AsUser([&] { main().Command7.userClick(); });
    ASSERT_TRUE(forms::The<frmWebsite>().loaded());
    ASSERT_FALSE(forms::The<frmWebsite>().visible());
    Exit();
    EXPECT_TRUE(p().ended) << "no wait for the opener's second";
}

TEST_F(MainWindowTest, TheVisitButtonsOpenerDoesNotHoldTheEndBack) {
    Start();
    sim::AsUser([&] { main().Command7.userClick(); });
    ASSERT_EQ(ShellExecutes().size(), 1u);
    EXPECT_EQ(ShellExecutes()[0].file, "http://www.quillmere.example");
    EXPECT_FALSE(forms::The<frmWebsite>().visible());
    sim::Advance(1000);
    EXPECT_FALSE(p().ended) << "the opener's close alone ends nothing";
    EXPECT_TRUE(main().loaded());
}

// --- resize --------------------------------------------------------------------

TEST_F(MainWindowTest, MinimisingHidesToTheNotificationAreaAndShowBringsItBack) {
    const struct {
        const char* name;
        std::function<void(windhover::Form1&)> minimise;
    } ways[] = {
        {"the minimise box", [](windhover::Form1& f) { f.userSetWindowState(forms::WindowState::Minimized); }},
        {"the button", [](windhover::Form1& f) { f.Command6.userClick(); }},
        {"the Action menu", [](windhover::Form1& f) { f.mnuActionItem0.userClick(); }},
    };
    for (const auto& way : ways) {
        FreshRow(way.name, [&] {
            Start();
            sim::AsUser([&] { way.minimise(main()); });
            EXPECT_FALSE(main().visible());
            EXPECT_EQ(Stored("state"), "down");
            sim::AsUser([&] { main().show.userClick(); });
            EXPECT_TRUE(main().visible());
            EXPECT_EQ(main().windowState(), forms::WindowState::Normal);
            EXPECT_EQ(Stored("state"), "up");
        });
    }
}

}  // namespace
