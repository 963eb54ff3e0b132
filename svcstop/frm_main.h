#pragma once
// The main window of nightjar: whether popup messages are on, the Prevent
// and Allow actions on the Messenger service, the test message, the two
// options, the menus and the notification-area icon with its menu.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "frame/add_remove.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace nightjar {

// The label's colours, 0x00BBGGRR.
inline constexpr std::uint32_t kStatusBlue = 0xFF0000;
inline constexpr std::uint32_t kStatusRed = 0x0000FF;
// The system's colour for disabled text, and for the window's background.
inline constexpr std::uint32_t kGrayText = 0x80000011;
inline constexpr std::uint32_t kButtonFace = 0x8000000F;

// How the list row shows a service state: its Status text and its colour.
struct RowLook {
    std::int32_t state;
    const char* status;
    std::uint32_t color;
};
// Writes the look of the state into the row; a state without one leaves the row as it is.
void ShowRowLook(forms::ListItem& row, std::int32_t state, std::span<const RowLook> looks);

// The identifier of the notification-area icon. The icon's callbacks reach
// Form_MouseMove with the identifier where a mouse message has its key
// flags, so 1 reads as the left button, which the handler asks for.
inline constexpr std::uint32_t kTrayIconId = 1;

class frmMain : public forms::Form {
public:
    frmMain();

    // Never shown: the list and the three picture buttons lie below the client area.
    forms::ListView lvServices;
    forms::PictureBox cmdPause;
    forms::PictureBox cmdContinue;
    forms::PictureBox cmdStartup;

    forms::Frame Frame1;
    forms::Label lblStatus;
    forms::CommandButton cmdWebsite;
    forms::CommandButton Command1;
    forms::CommandButton cmdStart;
    forms::CommandButton cmdStop;
    forms::CheckBox chkAuto;
    forms::CheckBox chkStartup;

    forms::Menu mnuFile{*this, "mnuFile", "File"};
    forms::Menu mnuFileItem0{*this, "mnuFileItem", "Minimize", &mnuFile, 0};
    forms::Menu mnuFileItem1{*this, "mnuFileItem", "Exit", &mnuFile, 1};
    forms::Menu mnuAction{*this, "mnuAction", "Action"};
    forms::Menu mnuActionItem0{*this, "mnuActionItem", "Prevent Popups", &mnuAction, 0};
    forms::Menu mnuActionItem1{*this, "mnuActionItem", "Allow Popups", &mnuAction, 1};
    forms::Menu mnuActionItem2{*this, "mnuActionItem", "Test Popup", &mnuAction, 2};
    forms::Menu mnuHelp{*this, "mnuHelp", "Help"};
    forms::Menu mnuHelpItem{*this, "mnuHelpItem", "View Help", &mnuHelp, 0};
    forms::Menu mnuAbout{*this, "mnuAbout", "About"};
    forms::Menu mnuAboutItem0{*this, "mnuAboutItem", "About this software", &mnuAbout, 0};
    // The tray menu: not in the menu bar.
    forms::Menu Popup{*this, "Popup", "Popup"};
    forms::Menu program{*this, "program", "Program Name", &Popup, 0};
    forms::Menu line{*this, "line", "------------------------------", &Popup};
    forms::Menu ShowItem{*this, "Show", "Show", &Popup, 2};  // Show: the form's own Show keeps its name
    forms::Menu Allow{*this, "Allow", "Allow Popups", &Popup, 3};
    forms::Menu Disable{*this, "Disable", "Disable Popups", &Popup, 4};
    forms::Menu website{*this, "website", "website", &Popup, 5};
    forms::Menu Exit{*this, "Exit", "Exit", &Popup, 6};

    bool bRunning = false;
    std::int16_t iListIndex = 0;
    forms::ListItem* liPreviousItem = nullptr;
    bool bDoOnce = false;

    // Window events.
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_QueryUnload(int& Cancel, int UnloadMode);
    void Form_Resize();
    void Form_Unload(int& Cancel);
    void chkAuto_Click();
    void chkStartup_Click();

    // The service list and the controls it decides.
    void lvServices_ItemClick(forms::ListItem& Item);
    void lvServices_KeyDown(std::int16_t KeyCode, std::int16_t Shift);

    // Commands.
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdPause_Click();
    void cmdContinue_Click();
    void cmdStartup_Click();
    void Command1_Click();
    void cmdWebsite_Click();

    // Menus and tray items.
    void mnuFileItem_Click(int Index);
    void mnuActionItem_Click(int Index);
    void mnuHelpItem_Click();
    void mnuAboutItem_Click(int Index);
    void program_Click();
    void Show_Click();
    void Allow_Click();
    void Disable_Click();
    void website_Click();
    void Exit_Click();

    // True while a change of the service's state waits for the service.
    bool changing() const { return changing_; }

private:
    bool OperatingSystemAccepted();
    // Ends the program after an orderly message, taking the tray icon along.
    [[noreturn]] void EndWithMessage(const std::string& text, std::uint32_t icon);
    void SetupServiceList();
    void LoadServices();
    void FillServiceList();
    void UpdateServiceControls(const std::string& key);
    void StartServiceByKey(const std::string& key);
    // False when the manager refused the stop.
    bool StopServiceByKey(const std::string& key);
    void PauseServiceByKey(const std::string& key);
    void ContinueServiceByKey(const std::string& key);
    // Runs a state-change command unless one is running already.
    template <class Command>
    void OneChangeAtATime(Command&& command);
    void UnloadMain();

    platform::Handle picTrayIcon = 0;
    std::unique_ptr<AddRemove> objAddRemove;
    std::int32_t lngTrayMsg = 0;
    bool changing_ = false;
};

}  // namespace nightjar
