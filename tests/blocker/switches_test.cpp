// windhover's main window: the option boxes, the allow-next switch from each
// of its four places, the notification-area menu, the Tools menu and the
// file routines.
#include "blocker/mod_ie_tools.h"
#include "frame/frm_about.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/blocker/main_window_fixture.h"

namespace {

using namespace windhover;
namespace msg = platform::msg;

TEST_F(MainWindowTest, EachOptionBoxSaysWhatItDidAndStoresOnlyItsOwnSetting) {
    Start();
    const struct {
        forms::CheckBox& box;
        const char* on;
        const char* off;
        const char* storedAtOnce;
    } options[] = {
        {main().Check1, "Now blocking popups", "Now allowing popups", nullptr},
        {main().Check2, "Setup Mode Enabled", "Setup Mode Disabled", nullptr},
        {main().Check3, "Always On Top Enabled", "Always On Top Disabled", "chkOnTop"},
        {main().Check4, "Run On Startup Enabled", "Run On Startup Disabled", nullptr},
        {main().Check5, "Sounds Enabled", "Sounds Disabled", "chkSound"},
        {main().Check6, "Auto New Window Enabled", "Auto New Window Disabled", nullptr},
    };
    for (const auto& o : options) {
        for (int value : {1, 0}) {
            o.box.setValue(1 - value);
            m().journal.clear();
            o.box.setValue(value);
            EXPECT_EQ(Panel(2), value ? o.on : o.off) << o.box.name();
            std::vector<std::string> settings;
            for (const auto& write : sim::Journal<sim::RegistryWrite>())
                if (write.op == sim::RegistryWrite::SetValue && write.key.find("VB and VBA") != std::string::npos)
                    settings.push_back(write.name);
            EXPECT_EQ(settings, o.storedAtOnce ? std::vector<std::string>{o.storedAtOnce} : std::vector<std::string>{})
                << o.box.name();
            if (o.storedAtOnce) {
                EXPECT_EQ(Stored(o.storedAtOnce), std::to_string(value));
            }
        }
    }
    EXPECT_TRUE(p().messageBoxes.empty()) << "none of them shows a box";
}

TEST_F(MainWindowTest, AGreyBoxIsOff) {
    Start();
    main().Check3.setValue(2);
    EXPECT_EQ(Panel(2), "Always On Top Disabled");
    EXPECT_FALSE(Topmost(main().hwnd()));
    EXPECT_FALSE(AlwaysOnTop);
}

TEST_F(MainWindowTest, AlwaysOnTopMovesTheWindowAndItsHelpAndAboutWindows) {
    Start();
    main().Check3.setValue(1);
    EXPECT_TRUE(Topmost(main().hwnd()));
    EXPECT_TRUE(AlwaysOnTop);
    main().mnuHelpItem0.userClick();
    main().mnuAboutItem0.userClick();
    EXPECT_TRUE(Topmost(help().hwnd()));
    EXPECT_TRUE(Topmost(forms::The<frmAbout>().hwnd()));
    main().Check3.setValue(0);
    EXPECT_FALSE(Topmost(main().hwnd()));
    EXPECT_FALSE(AlwaysOnTop);
}

TEST_F(MainWindowTest, RunAtLogOnWritesAndDeletesTheQuotedCommand) {
    Start();
    main().Check4.setValue(1);
    const std::string command = "\"" + PathOf("windhover.exe") + "\"";
    EXPECT_EQ(StoredString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover"), command + '\0');
    main().Check4.setValue(0);
    EXPECT_EQ(StoredString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover"), "<none>");
}

TEST_F(MainWindowTest, ALimitedAccountIsToldRunAtLogOnFailedAndTheBoxUnticksWithoutAWrite) {
    Start();
    m().registry.localMachineReadOnly = true;
    m().journal.clear();
    main().Check4.userClick();
    EXPECT_EQ(main().Check4.value(), 0);
    EXPECT_NE(Panel(2).find("could not be enabled"), std::string::npos) << Panel(2);
    for (const auto& write : sim::Journal<sim::RegistryWrite>())
        EXPECT_NE(write.op, sim::RegistryWrite::DeleteValue) << "the untick wrote " << write.key;
    // A value an administrator left there, ours already, counts as enabled.
    m().registry.setString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover",
                           "\"" + PathOf("windhover.exe") + "\"");
    main().Check4.setValue(1);
    EXPECT_EQ(main().Check4.value(), 1);
    EXPECT_EQ(Panel(2), "Run On Startup Enabled");
}

TEST_F(MainWindowTest, ARefusedRemovalOfTheRunValueIsToldAndTheBoxStaysTicked) {
    Start();
    main().Check4.setValue(1);
    m().registry.localMachineReadOnly = true;
    main().Check4.userClick();
    EXPECT_EQ(main().Check4.value(), 1) << "Windows still starts the program";
    EXPECT_NE(Panel(2).find("could not be disabled"), std::string::npos) << Panel(2);
    EXPECT_NE(StoredString(platform::reg::kLocalMachine, AddRemove::kRunKey, "Windhover"), "<none>");
    // Once Windows lets it go, the untick goes through; a value already gone counts as removed.
    m().registry.localMachineReadOnly = false;
    main().Check4.userClick();
    EXPECT_EQ(main().Check4.value(), 0);
    EXPECT_EQ(Panel(2), "Run On Startup Disabled");
    m().registry.localMachineReadOnly = true;
    main().Check4.setValue(2);
    EXPECT_EQ(main().Check4.value(), 2);
    EXPECT_EQ(Panel(2), "Run On Startup Disabled");
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(MainWindowTest, EveryAllowNextCommandInvertsTheSwitchOnce) {
    Start();
    const struct {
        const char* name;
        std::function<void(MainWindowTest&)> press;
    } ways[] = {
        {"the button", [](MainWindowTest& t) { t.main().Command5.userClick(); }},
        {"the Action menu", [](MainWindowTest& t) { t.main().mnuActionItem1.userClick(); }},
        {"the tray menu", [](MainWindowTest& t) { t.main().allow.userClick(); }},
        {"Win+Z", [](MainWindowTest&) { sim::PressHotKey(platform::window::kModWin, 'Z'); }},
    };
    for (const auto& way : ways) {
        ASSERT_FALSE(AllowNextPopup);
        way.press(*this);
        EXPECT_TRUE(AllowNextPopup) << way.name;
        EXPECT_EQ(Panel(2), "The next popup will be allowed.") << way.name;
        way.press(*this);
        EXPECT_FALSE(AllowNextPopup) << way.name;
        EXPECT_EQ(Panel(2), "The next popup will NOT be allowed.") << way.name;
    }
}

TEST_F(MainWindowTest, WinZWorksHiddenAndNotAfterTheEnd) {
    Start();
    main().Command6.userClick();
    ASSERT_FALSE(main().visible());
    sim::PressHotKey(platform::window::kModWin, 'Z');
    EXPECT_TRUE(AllowNextPopup);
    sim::AsUser([&] { main().Exit.userClick(); });
    sim::PressHotKey(platform::window::kModWin, 'Z');
    EXPECT_TRUE(AllowNextPopup);
    EXPECT_TRUE(p().hotKeys.empty());
}

TEST_F(MainWindowTest, WinZHeldByAnotherProgramLeavesTheOtherWaysWorking) {
    m().hotKeysTaken.insert({platform::window::kModWin, 'Z'});
    Start();
    EXPECT_TRUE(p().messageBoxes.empty());
    main().Command5.userClick();
    EXPECT_TRUE(AllowNextPopup);
}

TEST_F(MainWindowTest, OnlyTheTrayIconsClickAndRightReleaseOpenItsMenu) {
    Start();
    const struct {
        std::uint32_t message;
        bool opens;
    } cases[] = {{msg::kMouseMove, false},     {msg::kLButtonDown, true},  {msg::kLButtonUp, true},
                 {msg::kLButtonDblClk, false}, {msg::kRButtonDown, false}, {msg::kRButtonUp, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE("mouse message " + std::to_string(c.message));
        p().popups.clear();
        TrayMouse(c.message);
        EXPECT_EQ(p().popups.size(), c.opens ? 1u : 0u);
        if (c.opens) {
            EXPECT_EQ(p().popups[0], &main().Popup);
        }
    }
    // The mouse over the window where a callback's message would stand.
    p().popups.clear();
    for (std::intptr_t x : {0x201, 0x202, 0x205}) sim::Post(sim::Message{main().hwnd(), msg::kMouseMove, 0, x});
    sim::Pump();
    EXPECT_TRUE(p().popups.empty());
}

TEST_F(MainWindowTest, WithoutItsDesignIconTheMouseOverTheWindowStillOpensNoMenu) {
    m().iconResources.erase("FORM1ICON");
    m().iconResources.erase("APPICON");
    Start();
    ASSERT_EQ(main().picTrayIcon, 0u) << "the icon's id is 0, as a mouse move's keys with no button";
    for (std::intptr_t x : {0x201, 0x202, 0x205}) sim::Post(sim::Message{main().hwnd(), msg::kMouseMove, 0, x});
    sim::Pump();
    EXPECT_TRUE(p().popups.empty());
    TrayMouse(msg::kLButtonUp);
    EXPECT_EQ(p().popups.size(), 1u) << "the icon's own click still opens it";
}

TEST_F(MainWindowTest, TheTrayIconComesBackAfterTheTaskbarRestartsAndWorksAsBefore) {
    Start();
    sim::RestartTaskbar();
    ASSERT_EQ(m().trayIcons.size(), 1u);
    EXPECT_EQ(m().trayIcons.begin()->second.uID, static_cast<std::uint32_t>(main().picTrayIcon));
    main().Command6.userClick();
    EXPECT_FALSE(main().visible()) << "hidden, it can be reached through the icon";
    p().popupChoices = {&main().show};
    TrayMouse(msg::kRButtonUp);
    EXPECT_TRUE(main().visible());
    Exit();
    EXPECT_TRUE(m().trayIcons.empty());
}

TEST_F(MainWindowTest, AWindowStartedWithoutANotificationAreaHidesOnceTheTaskbarCame) {
    m().trayAvailable = false;
    Start();
    main().Command6.userClick();
    EXPECT_TRUE(main().visible()) << "without an icon it stays on the taskbar";
    main().show.userClick();
    m().trayAvailable = true;
    sim::Broadcast("TaskbarCreated");
    EXPECT_EQ(m().trayIcons.size(), 1u);
    main().Command6.userClick();
    EXPECT_FALSE(main().visible());
}

TEST_F(MainWindowTest, TheTrayMenusItemsWork) {
    Start();
    EXPECT_FALSE(main().Popup.visible()) << "not in the menu bar";
    std::vector<std::string> captions;
    for (const forms::Menu* item : main().Popup.items()) captions.push_back(item->caption());
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Close this menu", "Show program", "Allow next popup (win-z)", "Exit"}));
    main().Command6.userClick();
    p().popupChoices = {&main().close};
    TrayMouse(msg::kRButtonUp);
    EXPECT_FALSE(main().visible()) << "closing the menu does nothing";
    p().popupChoices = {&main().show};
    TrayMouse(msg::kRButtonUp);
    EXPECT_TRUE(main().visible());
    p().popupChoices = {&main().allow};
    TrayMouse(msg::kLButtonUp);
    EXPECT_TRUE(AllowNextPopup);
    p().popupChoices = {&main().Exit};
    TrayMouse(msg::kLButtonUp);
    EXPECT_TRUE(p().ended);
}

TEST_F(MainWindowTest, TheToolsMenuAddsAndRemovesTheToolbarButton) {
    Start();
    main().mnuToolsItem0.userClick();
    EXPECT_EQ(StoredString(platform::reg::kLocalMachine, modIETools::kButtonKey, "Exec"),
              PathOf("windhover.exe") + '\0');
    main().mnuToolsItem1.userClick();
    EXPECT_FALSE(m().registry.keyExists(platform::reg::kLocalMachine, modIETools::kButtonKey));
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(MainWindowTest, TheMenusCaptions) {
    Start();
    std::vector<std::string> bar;
    for (const forms::Menu* menu : main().menuBar())
        if (menu->visible()) bar.push_back(menu->caption());
    EXPECT_EQ(bar, (std::vector<std::string>{"File", "Action", "Tools", "Help", "About"}));
    const struct {
        forms::Menu& item;
        const char* caption;
    } items[] = {{main().mnuFileItem1, "Exit"},
                 {main().mnuActionItem0, "Minimize to Taskbar"},
                 {main().mnuActionItem1, "Allow the Next Popup (Win-Z)"},
                 {main().mnuToolsItem0, "Add Program to IE Tools Menu"},
                 {main().mnuToolsItem1, "Remove Program from IE Tools Menu"},
                 {main().mnuHelpItem0, "View Help"},
                 {main().mnuAboutItem0, "About this software"}};
    for (const auto& i : items) EXPECT_EQ(i.item.caption(), i.caption);
}

TEST_F(MainWindowTest, TheOptionRowsCarryTheirTextsAndTipsInScreenOrder) {
    Start();
    const struct {
        forms::CheckBox& box;
        forms::Label& label;
        const char* text;
    } rows[] = {
        {main().Check1, main().Label5, "Popup Blocking: Stop Popups from all sites that aren't on my allowed list"},
        {main().Check2, main().Label6, "Setup Mode: Add sites to my Allowed or Disallowed list as I browse"},
        {main().Check6, main().Label4, "Exceptions: Allow popups when my mouse is over a link"},
        {main().Check5, main().Label2, "Audio: Play a sound when a popup is blocked"},
        {main().Check3, main().Label7, "Visual: Keep this window on top of all others"},
        {main().Check4, main().Label8, "Automation: Run at startup and block popups automatically"},
    };
    int above = -1;
    for (const auto& row : rows) {
        EXPECT_EQ(row.label.caption(), row.text);
        EXPECT_EQ(row.box.caption(), "");
        EXPECT_FALSE(row.box.toolTip().empty());
        EXPECT_EQ(row.box.toolTip(), row.label.toolTip()) << row.text;
        EXPECT_GT(row.box.bounds().top, above) << row.text;
        above = row.box.bounds().top;
    }
    EXPECT_EQ(main().Check1.toolTip(), "This controls whether popup blocking is on or off.");
    EXPECT_EQ(main().List2.toolTip(),
              "all sites that are not \"allowed\" are blocked by shrikewatch.  disallowed sites will not prompt you "
              "from setup mode.");
    EXPECT_EQ(main().Label1.toolTip(),
              "by default, shrikewatch.  adding a site to the disallowed list  prevents it from notifying you of "
              "popups while in setup mode.");
    for (const forms::Control* control : main().controls())
        if (control->typeName() != "Menu" && control->typeName() != "Timer" && control->typeName() != "PictureBox") {
            EXPECT_EQ(control->fontName(), "Verdana") << control->name();
        }
}

TEST_F(MainWindowTest, TrimPathAndFileExists) {
    Start();
    const struct {
        const char* path;
        const char* trimmed;
    } trims[] = {{"C:\\dir\\file.txt", "file.txt"}, {"file.txt", "file.txt"}, {"C:\\dir\\", ""}, {"", ""}};
    for (const auto& t : trims) EXPECT_EQ(main().TrimPath(t.path), t.trimmed) << t.path;

    m().files.addFile(PathOf("Plain.txt"), "x");
    m().files.addFile(PathOf("hidden.txt"), "x", platform::files::kHidden);
    m().files.addFolder(PathOf("folder"));
    const struct {
        std::string path;
        bool exists;
    } files[] = {{PathOf("plain.TXT"), true},    {PathOf("hidden.txt"), false}, {PathOf("folder"), false},
                 {PathOf("missing.txt"), false}, {PathOf("*.txt"), false},      {PathOf(""), false}};
    for (const auto& f : files) EXPECT_EQ(main().fileExists(f.path), f.exists) << f.path;
    m().files.unreachable.insert("Z:");
    EXPECT_NE(ErrorNumber([&] { main().fileExists("Z:\\share\\allowed.txt"); }), 0)
        << "a failing search reaches the caller";
}

}  // namespace
