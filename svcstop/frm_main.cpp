// frmMain: the window, its start-up and shut-down, the two options, the
// notification-area callback, the menus and the tray items.
#include "svcstop/frm_main.h"

#include <iterator>

#include "frame/form8.h"
#include "frame/frm_about.h"
#include "frame/guard.h"
#include "frame/mod_skin.h"
#include "frame/mod_taskbar.h"
#include "frame/product_info.h"
#include "frame/text_compare.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/forms/design.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/window.h"
#include "svcstop/button_pictures.h"
#include "svcstop/cls_os.h"
#include "svcstop/frm_sc_msg_box.h"
#include "svcstop/frm_startup.h"
#include "svcstop/frm_website.h"
#include "svcstop/mod_machine_settings.h"

namespace nightjar {

namespace {

constexpr const char* kSettingsApp = "duskwing";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kRunName = "duskwing";

// The mouse messages of the icon's callbacks that open the tray menu: the
// left and right buttons' (WM_LBUTTONDOWN to WM_RBUTTONUP). The pointer only
// passing over the icon (WM_MOUSEMOVE) opens nothing.
constexpr std::int32_t kFirstTrayMessage = platform::msg::kLButtonDown;
constexpr std::int32_t kLastTrayMessage = platform::msg::kRButtonUp;

// The registry's name of a value type.
std::string TypeName(std::uint32_t type) {
    static const char* const kNames[] = {"REG_NONE",
                                         "REG_SZ",
                                         "REG_EXPAND_SZ",
                                         "REG_BINARY",
                                         "REG_DWORD",
                                         "REG_DWORD_BIG_ENDIAN",
                                         "REG_LINK",
                                         "REG_MULTI_SZ",
                                         "REG_RESOURCE_LIST",
                                         "REG_FULL_RESOURCE_DESCRIPTOR",
                                         "REG_RESOURCE_REQUIREMENTS_LIST",
                                         "REG_QWORD"};
    return type < std::size(kNames) ? kNames[type] : "type " + std::to_string(type);
}

}  // namespace

frmMain::frmMain()
    : Form("frmMain"),
      lvServices(*this, "lvServices", forms::Hidden({120, 6360, 7005, 1335})),
      cmdPause(*this, "cmdPause", forms::Hidden({120, 6360, 1560, 450})),
      cmdContinue(*this, "cmdContinue", forms::Hidden({1800, 6480, 1560, 450})),
      cmdStartup(*this, "cmdStartup", forms::Hidden({3480, 6720, 1560, 450})),
      Frame1(*this, "Frame1",
             forms::Bold(forms::Verdana({.left = 60, .top = 60, .width = 7275, .height = 5055}, "Current Status"))),
      lblStatus(*this, "lblStatus",
                forms::Bold(forms::Verdana({.left = 180, .top = 420, .width = 6975, .height = 435}, ""))),
      cmdWebsite(*this, "cmdWebsite", forms::Verdana({.left = 180, .top = 3540, .width = 7005, .height = 855}, "Visit"),
                 Pictures("VISIT")),
      Command1(*this, "Command1",
               forms::Verdana({.left = 180, .top = 2640, .width = 7005, .height = 855},
                              "Send Yourself a Test Popup Message"),
               Pictures("TESTMESSAGE")),
      cmdStart(*this, "cmdStart",
               forms::Verdana({.left = 180, .top = 1740, .width = 7005, .height = 855}, "Allow Windows Popup Messages"),
               Pictures("ALLOW")),
      cmdStop(*this, "cmdStop",
              forms::Verdana({.left = 180, .top = 840, .width = 7005, .height = 855}, "Prevent Windows Popup Messages"),
              Pictures("PREVENT")),
      chkAuto(*this, "chkAuto",
              forms::Verdana({.left = 180, .top = 4740, .width = 3975, .height = 315},
                             "Automatically Disable Popup Messages")),
      chkStartup(
          *this, "chkStartup",
          forms::Verdana({.left = 180, .top = 4440, .width = 4035, .height = 315}, "Run automatically at startup")) {
    design("Services", 7530, 5940, forms::BorderStyle::FixedSingle);
    setButtons(true, false);
    setCentred(true);
    setIconResource("FRMMAINICON");
    Popup.setVisible(false);
    line.setEnabled(false);

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    onMouseMove = [this](int button, int shift, float x, float y) { Form_MouseMove(button, shift, x, y); };
    onTrayMouseMove = onMouseMove;
    onQueryUnload = [this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); };
    onResize = [this] { Form_Resize(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    chkAuto.onClick = [this] { chkAuto_Click(); };
    chkStartup.onClick = [this] { chkStartup_Click(); };
    lvServices.onItemClick = [this](forms::ListItem& item) { lvServices_ItemClick(item); };
    lvServices.onKeyDown = [this](std::int16_t key, std::int16_t shift) { lvServices_KeyDown(key, shift); };

    cmdStart.onClick = [this] { cmdStart_Click(); };
    cmdStop.onClick = [this] { cmdStop_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    cmdWebsite.onClick = [this] { cmdWebsite_Click(); };
    cmdPause.onClick = [this] { cmdPause_Click(); };
    cmdContinue.onClick = [this] { cmdContinue_Click(); };
    cmdStartup.onClick = [this] { cmdStartup_Click(); };

    mnuFileItem0.onClick = [this] { mnuFileItem_Click(0); };
    mnuFileItem1.onClick = [this] { mnuFileItem_Click(1); };
    mnuActionItem0.onClick = [this] { mnuActionItem_Click(0); };
    mnuActionItem1.onClick = [this] { mnuActionItem_Click(1); };
    mnuActionItem2.onClick = [this] { mnuActionItem_Click(2); };
    mnuHelpItem.onClick = [this] { mnuHelpItem_Click(); };
    mnuAboutItem0.onClick = [this] { mnuAboutItem_Click(0); };
    program.onClick = [this] { program_Click(); };
    ShowItem.onClick = [this] { Show_Click(); };
    Allow.onClick = [this] { Allow_Click(); };
    Disable.onClick = [this] { Disable_Click(); };
    website.onClick = [this] { website_Click(); };
    Exit.onClick = [this] { Exit_Click(); };
}

// ---- start-up ----------------------------------------------------------------

bool frmMain::OperatingSystemAccepted() {
    const std::string name = clsOS().OS_Name;
    for (const char* family : {"Windows 2000", "Windows NT", "Windows XP"})
        if (ContainsNoCase(name, family)) return true;
    platform::MessageBox("This program can only be run on Windows NT/2000/XP.", platform::kMbOk);
    return false;
}

void frmMain::EndWithMessage(const std::string& text, std::uint32_t icon) {
    platform::MessageBox(text, platform::kMbOk | icon);
    modTaskbar::RemoveTrayIcon(kTrayIconId);
    platform::EndProgram();
}

void frmMain::Form_Load() {
    if (ProductInfo.SkinsEnabled) modSkin::ApplySkinRetry(*this);
    if (!OperatingSystemAccepted()) platform::EndProgram();
    objAddRemove = std::make_unique<AddRemove>();
    picTrayIcon = icon();
    modTaskbar::AddTrayIcon(*this, kTrayIconId, picTrayIcon, "Animated TrayIcon");
    modProductInfo::LoadProductInfo();
    cmdWebsite.setCaption("Visit " + ProductInfo.HomePage);
    website.setCaption("Visit " + ProductInfo.HomePage);
    program.setCaption(ProductInfo.ProductName);
    setCaption(ProductInfo.ProductName);

    // A value stored as another type than text is taken as absent and left
    // as it is until its option is changed; the user hears which and why.
    // A setting that cannot be read at all would leave a half-loaded window
    // behind the icon: the user hears why, and the program ends.
    std::string setAside, setAsideKey;
    const auto read = [&](const char* key, const forms::CheckBox& box) {
        try {
            return modMachineSettings::GetMachineSetting(kSettingsApp, kSettingsSection, key, "0");
        } catch (const modMachineSettings::NotAString& e) {
            setAsideKey = e.key();
            setAside +=
                "\"" + std::string(key) + "\" (" + box.caption() + ") is a " + TypeName(e.type()) + " value.\r\n";
            return std::string("0");
        }
    };
    try {
        chkAuto.setValue(read("Auto", chkAuto) == "1" ? 1 : 0);
        chkStartup.setValue(read("Startup", chkStartup) == "1" ? 1 : 0);
    } catch (const platform::Error& e) {
        EndWithMessage("The settings of " + ProductInfo.ProductName + " cannot be read (error " +
                           std::to_string(e.number()) + ": " + e.what() + "). The program will now close.",
                       platform::kMbIconError);
    }
    if (!setAside.empty())
        platform::MessageBox(ProductInfo.ProductName + " set aside what it found under " + setAsideKey +
                                 ", where settings are kept as text (REG_SZ):\r\n\r\n" + setAside +
                                 "\r\nSuch an option starts unticked, and its stored value is left as it is "
                                 "until you change the option.",
                             platform::kMbOk | platform::kMbIconWarning);

    SetupServiceList();
    LoadServices();
    FillServiceList();
    if (lvServices.itemCount() == 0)
        EndWithMessage(
            "The Messenger service is not installed on this computer, so there are no popup messages "
            "for " +
                ProductInfo.ProductName + " to prevent. The program will now close.",
            platform::kMbIconInformation);

    if (chkAuto.value() == 1 && cmdStop.enabled()) cmdStop_Click();
    bDoOnce = true;
}

void frmMain::Form_Activate() {
    if (!OperatingSystemAccepted()) platform::EndProgram();
    if (!bDoOnce || lvServices.itemCount() == 0) return;
    forms::ListItem& first = lvServices.item(1);
    first.setSelected(true);
    lvServices_ItemClick(first);
    liPreviousItem = &first;
    bDoOnce = false;
}

// ---- the two options -------------------------------------------------------------

void frmMain::chkAuto_Click() {
    modMachineSettings::SaveMachineSetting(kSettingsApp, kSettingsSection, "Auto", std::to_string(chkAuto.value()));
}

void frmMain::chkStartup_Click() {
    modMachineSettings::SaveMachineSetting(kSettingsApp, kSettingsSection, "Startup",
                                           std::to_string(chkStartup.value()));
    if (!objAddRemove) objAddRemove = std::make_unique<AddRemove>();
    if (chkStartup.value() == 0) {
        objAddRemove->RemoveFromRun(kRunName);
        return;
    }
    objAddRemove->AddToRun(kRunName, OwnRunCommand());
}

// ---- the notification area, size and shut-down ----------------------------------

void frmMain::Form_MouseMove(int Button, int, float X, float) {
    if (Button != 1 && Button != 2) return;
    lngTrayMsg = forms::TrayMouseMessage(X);
    if (lngTrayMsg >= kFirstTrayMessage && lngTrayMsg <= kLastTrayMessage) PopupMenu(Popup);
}

void frmMain::Form_QueryUnload(int&, int) {
    modTaskbar::RemoveTrayIcon(kTrayIconId);
    platform::DoEvents();
}

void frmMain::Form_Resize() { setVisible(windowState() != forms::WindowState::Minimized); }

void frmMain::Form_Unload(int&) {
    liPreviousItem = nullptr;  // the list's rows go with the window
    forms::The<frmSCMsgBox>().Unload();
    forms::The<frmStartup>().Unload();
    forms::The<Form8>().Unload();
    forms::The<frmAbout>().Unload();
    auto& browser = forms::The<frmWebsite>();
    if (!browser.visible()) {
        if (ProductInfo.SkinsEnabled)
            SkipOnError([] {
                if (modSkin::EnsureSkinGlobal()) modSkin::SkinGlobal->Method6();
            });
        platform::EndProgram();
    }
    // Otherwise the browser window stays open as the program's last window;
    // its own unload ends the program once this window has gone.
}

void frmMain::UnloadMain() { Unload(); }

// ---- menus and tray items ----------------------------------------------------------

void frmMain::mnuFileItem_Click(int Index) {
    if (Index == 0) setWindowState(forms::WindowState::Minimized);
    if (Index == 1) UnloadMain();
}

void frmMain::mnuActionItem_Click(int Index) {
    if (Index == 0) cmdStop_Click();
    if (Index == 1) cmdStart_Click();
    if (Index == 2) Command1_Click();
}

void frmMain::mnuHelpItem_Click() { forms::The<Form8>().Show(); }

void frmMain::mnuAboutItem_Click(int Index) {
    if (Index == 0) forms::The<frmAbout>().Show();
}

void frmMain::program_Click() { Show_Click(); }

void frmMain::Show_Click() {
    setWindowState(forms::WindowState::Normal);
    setVisible(true);
}

void frmMain::Allow_Click() { cmdStart_Click(); }

void frmMain::Disable_Click() { cmdStop_Click(); }

void frmMain::website_Click() { forms::The<frmWebsite>().Show(); }

void frmMain::cmdWebsite_Click() { forms::The<frmWebsite>().Show(); }

void frmMain::Exit_Click() { UnloadMain(); }

}  // namespace nightjar
