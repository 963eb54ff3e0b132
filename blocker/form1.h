#pragma once
// The main window of windhover: the six option rows, the two site lists, the
// allow-next, minimise and visit buttons, the status bar, the menus and the
// notification-area menu.
#include <cstdint>
#include <memory>
#include <string>

#include "blocker/c_ie_windows.h"
#include "blocker/cls_on_top.h"
#include "frame/add_remove.h"
#include "platform/forms/form.h"

namespace windhover {

// Every control of the window uses this font.
inline constexpr const char* kFont = "Verdana";

class Form1 : public forms::Form {
public:
    Form1();

    forms::Menu mnuFile{*this, "mnuFile", "File"};
    forms::Menu mnuFileItem1{*this, "mnuFileItem", "Exit", &mnuFile, 1};
    forms::Menu mnuAction{*this, "mnuAction", "Action"};
    forms::Menu mnuActionItem0{*this, "mnuActionItem", "Minimize to Taskbar", &mnuAction, 0};
    forms::Menu mnuActionItem1{*this, "mnuActionItem", "Allow the Next Popup (Win-Z)", &mnuAction, 1};
    forms::Menu mnuTools{*this, "mnuTools", "Tools"};
    forms::Menu mnuToolsItem0{*this, "mnuToolsItem", "Add Program to IE Tools Menu", &mnuTools, 0};
    forms::Menu mnuToolsItem1{*this, "mnuToolsItem", "Remove Program from IE Tools Menu", &mnuTools, 1};
    forms::Menu mnuHelp{*this, "mnuHelp", "Help"};
    forms::Menu mnuHelpItem0{*this, "mnuHelpItem", "View Help", &mnuHelp, 0};
    forms::Menu mnuAbout{*this, "mnuAbout", "About"};
    forms::Menu mnuAboutItem0{*this, "mnuAboutItem", "About this software", &mnuAbout, 0};
    // The notification-area menu: never in the menu bar.
    forms::Menu Popup{*this, "Popup", "Popup"};
    forms::Menu close{*this, "close", "Close this menu", &Popup};
    forms::Menu show{*this, "show", "Show program", &Popup};
    forms::Menu allow{*this, "allow", "Allow next popup (win-z)", &Popup};
    forms::Menu Exit{*this, "Exit", "Exit", &Popup};

    // Beyond the window's visible part: the target of the Win+Z hot key (modHook).
    forms::PictureBox pctHotkey{*this, "pctHotkey", {.bounds = {9600, 0, 255, 255}}};

    // The option rows, top to bottom; each box has no caption, the label
    // beside it carries the text and both carry the tooltip.
    forms::Frame Frame2{
        *this, "Frame2", {.caption = "Program Options", .bounds = {120, 60, 8175, 2385}, .fontName = kFont}};
    forms::CheckBox Check1;  // popup blocking
    forms::Label Label5;
    forms::CheckBox Check2;  // setup mode
    forms::Label Label6;
    forms::CheckBox Check6;  // link exception
    forms::Label Label4;
    forms::CheckBox Check5;  // sound
    forms::Label Label2;
    forms::CheckBox Check3;  // always on top
    forms::Label Label7;
    forms::CheckBox Check4;  // run at log-on
    forms::Label Label8;

    // The allowed sites (List1) and the disallowed sites (List2), each with
    // the box a site is typed into and its Add and Delete buttons.
    forms::Frame Frame1{
        *this, "Frame1", {.caption = "Website Settings", .bounds = {120, 2520, 8175, 2925}, .fontName = kFont}};
    forms::Label Label3;
    forms::ListBox List1;
    forms::TextBox Text1;
    forms::CommandButton Command1;
    forms::CommandButton Command2;
    forms::Label Label1;
    forms::ListBox List2;
    forms::TextBox Text2;
    forms::CommandButton Command4;
    forms::CommandButton Command3;

    forms::CommandButton Command5;  // allow next popup
    forms::CommandButton Command6;  // minimise to the notification area
    forms::CommandButton Command7;  // visit the home page
    forms::StatusBar StatusBar1{*this, "StatusBar1", {.fontName = kFont}};

    // Start-up, window events and menus.
    void Form_Load();
    void Form_Resize();
    void Form_Unload(int& Cancel);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void mnuFileItem_Click(int Index);
    void mnuActionItem_Click(int Index);
    void mnuHelpItem_Click(int Index);
    void mnuAboutItem_Click(int Index);

    // Switches and commands.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check6_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void pctHotkey_MouseMove(int Button, int Shift, float X, float Y);
    void show_Click();
    void allow_Click();
    void Exit_Click();
    void mnuToolsItem_Click(int Index);

    // True when a plain file of that name exists at that path, in any letter
    // case; a search that fails (an unreachable drive) raises its error.
    bool fileExists(std::string asPath);
    // The text after the last backslash.
    std::string TrimPath(std::string asPath);

    // The window's own icon: the notification-area icon and its identifier.
    platform::Handle picTrayIcon = 0;
    // "up" while the window is shown, "down" while it is hidden in the
    // notification area.
    std::string state;
    clsOnTop onTop;
    AddRemove VarAddRemove;
    // Follows the browser windows while the window is loaded.
    std::shared_ptr<windhover::cIEWindows> VarIEWindows;

private:
    // The message panel of the status bar; a write that fails is skipped.
    void ShowStatus(const std::string& text);
    // The option boxes' shared steps: the on or off branch's effect and
    // message, then the setting stored at once where the box has one.
    void OptionClicked(forms::CheckBox& box);
    void ToggleAllowNext();
    // Form_Load's steps; true when Windows refused the run at log-on that
    // the stored setting asked for.
    bool LoadSteps();
    void LoadSiteLists();
    // The run-at-log-on box is being unticked after a refused write: its
    // click then does nothing.
    bool refusingRun_ = false;
    // Form_Load is running: what it could not do is told at the first showing.
    bool loading_ = false;
    bool runRefusedAtStart_ = false;
};

}  // namespace windhover
