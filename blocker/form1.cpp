// windhover's main window: its controls, start-up, window events, shut-down
// and menus. The switches and commands are in form1_commands.cpp.
#include "blocker/form1.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "blocker/frm_website.h"
#include "blocker/mod_hook.h"
#include "blocker/mod_icon.h"
#include "blocker/mod_ie_tools.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "frame/form8.h"
#include "frame/frm_about.h"
#include "frame/mod_skin.h"
#include "frame/mod_taskbar.h"
#include "frame/product_info.h"
#include "frame/setting_writes.h"
#include "frame/settings.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/forms/design.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/scope_exit.h"

namespace windhover {

namespace {

// The option rows of Frame2: box and label, top to bottom.
constexpr int kRowTop = 330;
constexpr int kRowStep = 330;

forms::ControlDesign Box(int row, const char* toolTip) {
    return forms::Verdana({.left = 240, .top = kRowTop + row * kRowStep, .width = 255, .height = 255}, "", toolTip);
}

forms::ControlDesign BoxLabel(int row, const char* caption, const char* toolTip) {
    return forms::Verdana({.left = 600, .top = kRowTop + row * kRowStep + 15, .width = 7455, .height = 255}, caption,
                          toolTip);
}

const char* const kTipBlocking = "This controls whether popup blocking is on or off.";
const char* const kTipSetup =
    "When in Setup Mode, whenever a site attempts to open a popup you be prompted to either allow it or disallow "
    "it.  We recommend using Setup Mode for a few days to collect a list of allowed and disallowed sites.";
const char* const kTipLinks =
    "The program can detect when your mouse is over a link, which will allow links that open in new windows to be "
    "opened.  The program will be less accurate with this option on, but it may be more convenient for you.";
const char* const kTipSound = "If selected, every time a popup is blocked you will hear a POP! sound.";
const char* const kTipOnTop = "This causes the program to stay on top of other windows.";
const char* const kTipRunAtStart =
    "This will enable the program to be run every time you start your computer, so that you don't have to remember "
    "to open it before browsing.";

// The host of the maker's web site: the one line of a new allowed.txt and
// the default of the stored allowed list.
const char* const kMakerHost = "www.quillmere.example";

// The per-user settings of the window.
std::string Setting(const std::string& key, const std::string& defaultValue) {
    return GetSetting(ProductInfo.ProductName, "Settings", key, defaultValue);
}

// A setting the store refuses is noted and told to the user once; the
// program goes on.
void StoreSetting(const std::string& key, const std::string& value) { settingWrites::Store(key, value); }

// A stored number as this program writes it; anything else (not a number,
// beyond 32 bits, a box value this program never writes) gives `fallback`.
std::int32_t StoredNumber(const std::string& text, std::int32_t fallback, std::int32_t low, std::int32_t high) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty() || value < low || value > high) return fallback;
    return value;
}

}  // namespace

Form1::Form1()
    : Form("Form1"),
      Check1(*this, "Check1", Box(0, kTipBlocking)),
      Label5(*this, "Label5",
             BoxLabel(0, "Popup Blocking: Stop Popups from all sites that aren't on my allowed list", kTipBlocking)),
      Check2(*this, "Check2", Box(1, kTipSetup)),
      Label6(*this, "Label6",
             BoxLabel(1, "Setup Mode: Add sites to my Allowed or Disallowed list as I browse", kTipSetup)),
      Check6(*this, "Check6", Box(2, kTipLinks)),
      Label4(*this, "Label4", BoxLabel(2, "Exceptions: Allow popups when my mouse is over a link", kTipLinks)),
      Check5(*this, "Check5", Box(3, kTipSound)),
      Label2(*this, "Label2", BoxLabel(3, "Audio: Play a sound when a popup is blocked", kTipSound)),
      Check3(*this, "Check3", Box(4, kTipOnTop)),
      Label7(*this, "Label7", BoxLabel(4, "Visual: Keep this window on top of all others", kTipOnTop)),
      Check4(*this, "Check4", Box(5, kTipRunAtStart)),
      Label8(*this, "Label8", BoxLabel(5, "Automation: Run at startup and block popups automatically", kTipRunAtStart)),
      Label3(*this, "Label3",
             forms::Verdana(
                 {.left = 240, .top = 2790, .width = 3855, .height = 255}, "Allowed Sites:",
                 "allowed sites will be able to open popup windows.  however, the windows that popup are not affected "
                 "by shrikewatch and will be able to launch popups.")),
      List1(*this, "List1",
            forms::Verdana({.left = 240, .top = 3060, .width = 3855, .height = 1800}, "",
                           "sites that are allowed will not be prevented from opening popups")),
      Text1(*this, "Text1",
            forms::Verdana({.left = 240, .top = 4980, .width = 2295, .height = 315}, "",
                           "Type the domain of a site to allow, such as www.example.com, and click Add.")),
      Command1(*this, "Command1",
               forms::Verdana({.left = 2580, .top = 4965, .width = 735, .height = 345}, "Add",
                              "Allow popups from the site typed in the text box to the left.")),
      Command2(*this, "Command2",
               forms::Verdana({.left = 3360, .top = 4965, .width = 735, .height = 345}, "Delete",
                              "Remove the selected site from the Allowed List")),
      Label1(*this, "Label1",
             forms::Verdana(
                 {.left = 4320, .top = 2790, .width = 3855, .height = 255}, "Disallowed Sites:",
                 "by default, shrikewatch.  adding a site to the disallowed list  prevents it from notifying you of "
                 "popups while in setup mode.")),
      List2(*this, "List2",
            forms::Verdana(
                {.left = 4320, .top = 3060, .width = 3855, .height = 1800}, "",
                "all sites that are not \"allowed\" are blocked by shrikewatch.  disallowed sites will not prompt you "
                "from setup mode.")),
      Text2(*this, "Text2",
            forms::Verdana({.left = 4320, .top = 4980, .width = 2295, .height = 315}, "",
                           "Type the domain of a site to disallow, such as www.example.com, and click Add.")),
      Command4(*this, "Command4",
               forms::Verdana({.left = 6660, .top = 4965, .width = 735, .height = 345}, "Add",
                              "Prevent popups from the site typed in the text box to the left.")),
      Command3(*this, "Command3",
               forms::Verdana({.left = 7440, .top = 4965, .width = 735, .height = 345}, "Delete",
                              "Remove the selected site from the Disallowed List")),
      Command5(
          *this, "Command5",
          forms::Verdana({.left = 120, .top = 5565, .width = 2655, .height = 390}, "Allow Next Popup",
                         "This will allow the next popup to be opened.  You can also press Win + Z or right click the "
                         "Program Icon.  This is useful if a legitimate window is being misinterpreted as a popup.")),
      Command6(*this, "Command6",
               forms::Verdana(
                   {.left = 2880, .top = 5565, .width = 2655, .height = 390}, "Minimize to Taskbar",
                   "The program will run silently in the taskbar while you browse.  You can right click the program "
                   "icon for a list of options, or to maximize the program.")),
      Command7(*this, "Command7", forms::Verdana({.left = 5640, .top = 5565, .width = 2655, .height = 390}, "Visit")) {
    design("Form1", 8535, 7065, forms::BorderStyle::FixedSingle);
    setButtons(true, false);
    setCentred(true);
    setIconResource("FORM1ICON");
    Popup.setVisible(false);

    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    // Only the notification-area icon's callback: a plain mouse move over the
    // window is no concern of the handler.
    onTrayMouseMove = [this](int b, int s, float x, float y) { Form_MouseMove(b, s, x, y); };

    mnuFileItem1.onClick = [this] { mnuFileItem_Click(1); };
    mnuActionItem0.onClick = [this] { mnuActionItem_Click(0); };
    mnuActionItem1.onClick = [this] { mnuActionItem_Click(1); };
    mnuToolsItem0.onClick = [this] { mnuToolsItem_Click(0); };
    mnuToolsItem1.onClick = [this] { mnuToolsItem_Click(1); };
    mnuHelpItem0.onClick = [this] { mnuHelpItem_Click(0); };
    mnuAboutItem0.onClick = [this] { mnuAboutItem_Click(0); };
    show.onClick = [this] { show_Click(); };
    allow.onClick = [this] { allow_Click(); };
    Exit.onClick = [this] { Exit_Click(); };

    Check1.onClick = [this] { Check1_Click(); };
    Check2.onClick = [this] { Check2_Click(); };
    Check3.onClick = [this] { Check3_Click(); };
    Check4.onClick = [this] { Check4_Click(); };
    Check5.onClick = [this] { Check5_Click(); };
    Check6.onClick = [this] { Check6_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    pctHotkey.onMouseMove = [this](int b, int s, float x, float y) { pctHotkey_MouseMove(b, s, x, y); };
}

// What the start-up could not do waits until the window first shows (see
// Form_Resize): the settings the store refused, and a run at log-on that the
// stored box asked for and Windows refused, which the end would otherwise
// store as off without a word.
void Form1::Form_Load() {
    loading_ = true;
    const platform::ScopeExit loaded([this] { loading_ = false; });
    runRefusedAtStart_ = LoadSteps();
}

bool Form1::LoadSteps() {
    AllowNextPopup = false;
    modSkin::InitSkinGlobal();
    modIcon::SetIcon(hwnd(), "AAA", true);
    setCaption(ProductInfo.ProductName + " by " + ProductInfo.CompanyName);
    Command7.setCaption("Visit " + ProductInfo.HomePage);
    picTrayIcon = icon();
    modTaskbar::AddTrayIcon(*this, static_cast<std::uint32_t>(picTrayIcon), picTrayIcon, "Animated TrayIcon");
    AlwaysOnTop = false;

    // Each box that turns to 1 raises its handler here; panel 2 does not
    // exist yet, so their messages are skipped.
    const struct {
        forms::CheckBox& box;
        const char* key;
        std::int32_t fallback;
    } boxes[] = {{Check6, "chkLinks", 0}, {Check5, "chkSound", 1}, {Check4, "chkRunAtStart", 0},
                 {Check3, "chkOnTop", 0}, {Check2, "chkAuto", 1},  {Check1, "chkStopPop", 1}};
    bool runAsked = false;
    for (const auto& b : boxes) {
        const std::int32_t stored = StoredNumber(Setting(b.key, std::to_string(b.fallback)), b.fallback, 0, 2);
        b.box.setValue(stored);
        if (&b.box == &Check4) runAsked = stored == 1;
    }
    // A ticked run box that its handler had to untick: Windows refused the value.
    const bool runRefused = runAsked && Check4.value() == 0;

    PopupsBlocked = StoredNumber(Setting("intStopped", "0"), 0, INT32_MIN, INT32_MAX);
    AllowedSites = Setting("strAllowed", std::string(kMakerHost) + "\r\n");
    DisallowedSites = Setting("strDisallowed", "");
    state = Setting("state", "up");

    while (StatusBar1.panelCount() < 2) StatusBar1.addPanel();
    for (int panel : {1, 2}) StatusBar1.setPanelWidth(panel, std::abs(bounds().width / 2));
    StatusBar1.setPanelText(1, std::to_string(PopupsBlocked) + " Popups blocked to date");

    LoadSiteLists();

    setWindowState(state == "up" ? forms::WindowState::Normal : forms::WindowState::Minimized);
    modHook::HookHotkey(hwnd(), pctHotkey.hwnd());
    VarIEWindows = cIEWindows::Create();
    modIETools::CheckIEButton();

    if (Setting("showHelp", "1") != "1") return runRefused;
    forms::The<Form8>().Show();
    if (AlwaysOnTop) onTop.MakeTopMost(forms::The<Form8>().hwnd());
    return runRefused;
}

// A list file that is missing is made (allowed.txt with the maker's host,
// disallowed.txt with one empty line); an existing one is never touched,
// also where the search does not see it (a hidden or system file): it is
// only ever made new, never written over. A list that cannot be looked for,
// made or read, whatever the failure, is reported once and starts empty,
// and the program then leaves its file alone.
void Form1::LoadSiteLists() {
    const struct {
        const char* fileName;
        std::string firstLine;
        void (*load)();
        void (*unread)(const std::string& reason);
        std::string& text;
    } lists[] = {{"allowed.txt", kMakerHost, Module1::LoadAllowedList, Module1::AllowedListUnread, AllowedSites},
                 {"disallowed.txt", "", Module1::LoadDisallowedList, Module1::DisallowedListUnread, DisallowedSites}};
    for (const auto& list : lists) {
        const std::string path = platform::files::ProgramFolder() + "\\" + list.fileName;
        // Until the load has read it whole, whatever stops it on the way.
        list.unread("The start did not get as far as reading it.");
        try {
            if (!fileExists(path)) Module1::CreateListFile(path, list.firstLine + "\r\n");
            list.load();
        } catch (const std::exception& e) {
            list.unread(e.what());
            list.text.clear();
            platform::MessageBox(std::string(e.what()) + "\r\n\r\n" + ProductInfo.ProductName +
                                     " starts with this list empty and leaves the file as it is.",
                                 platform::kMbOk | platform::kMbIconWarning, ProductInfo.ProductName);
        }
    }
}

void Form1::Form_Resize() {
    // Without a notification-area icon a hidden window could not come back:
    // it then stays minimised on the taskbar.
    if (windowState() == forms::WindowState::Minimized) {
        state = "down";
        if (modTaskbar::Shown()) Hide();
    } else {
        state = "up";
        setVisible(true);
    }
    StoreSetting("state", state);
    if (loading_) return;
    if (runRefusedAtStart_) {
        runRefusedAtStart_ = false;
        platform::MessageBox(ProductInfo.ProductName +
                                 " could not be set to run at startup: this account may not "
                                 "change the programs that Windows starts. The option \"Automation: Run at "
                                 "startup\" is now off.",
                             platform::kMbOk | platform::kMbIconWarning, ProductInfo.ProductName);
    }
    settingWrites::TellRefused();
}

void Form1::Form_MouseMove(int, int, float X, float) {
    const std::int32_t message = forms::TrayMouseMessage(X);
    if (message == platform::msg::kLButtonDown || message == platform::msg::kLButtonUp ||
        message == platform::msg::kRButtonUp)
        PopupMenu(Popup);
}

void Form1::Form_Unload(int&) {
    const struct {
        const char* key;
        std::string value;
    } settings[] = {
        {"chkRunAtStart", std::to_string(Check4.value())},
        {"chkOnTop", std::to_string(Check3.value())},
        {"chkAuto", std::to_string(Check2.value())},
        {"chkStopPop", std::to_string(Check1.value())},
        {"intStopped", std::to_string(PopupsBlocked)},
        {"strAllowed", AllowedSites},
        {"strDisallowed", DisallowedSites},
        {"chkLinks", std::to_string(Check6.value())},
        {"state", state},
    };
    for (const auto& setting : settings) StoreSetting(setting.key, setting.value);
    settingWrites::TellRefused();
    modTaskbar::RemoveTrayIcon(static_cast<std::uint32_t>(picTrayIcon));
    modHook::UnhookHotkey();
    VarIEWindows.reset();
    // The website opener ends the program itself once it closes.
    if (forms::The<frmWebsite>().visible()) {
        ExitWhenWebsiteCloses = true;
        return;
    }
    platform::EndProgram();
}

void Form1::mnuFileItem_Click(int) { Unload(); }

void Form1::mnuActionItem_Click(int Index) {
    if (Index == 0) setWindowState(forms::WindowState::Minimized);
    if (Index == 1) Command5_Click();
}

void Form1::mnuHelpItem_Click(int) {
    forms::The<Form8>().Show();
    if (AlwaysOnTop) onTop.MakeTopMost(forms::The<Form8>().hwnd());
}

void Form1::mnuAboutItem_Click(int) {
    forms::The<frmAbout>().Show();
    if (AlwaysOnTop) onTop.MakeTopMost(forms::The<frmAbout>().hwnd());
}

}  // namespace windhover
