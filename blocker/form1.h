#pragma once
// The main window of windhover.
#include <cstdint>
#include <memory>
#include <string>

#include "blocker/c_ie_windows.h"
#include "platform/forms/form.h"

namespace windhover {

class Form1 : public forms::Form {
public:
    Form1();

    forms::Menu mnuFile{*this, "mnuFile", "File"};
    forms::Menu mnuFileItem1{*this, "mnuFileItem", "Exit", &mnuFile, 1};
    forms::Menu mnuHelp{*this, "mnuHelp", "Help"};
    forms::Menu mnuHelpItem0{*this, "mnuHelpItem", "View Help", &mnuHelp, 0};
    forms::Menu mnuAbout{*this, "mnuAbout", "About"};
    forms::Menu mnuAboutItem0{*this, "mnuAboutItem", "About this software", &mnuAbout, 0};
    // Beyond the window's visible part: the target of the Win+Z hot key (modHook).
    forms::PictureBox pctHotkey{*this, "pctHotkey", {.bounds = {9600, 0, 255, 255}}};

    // The switches the popup decision reads: blocking, setup mode, sound, links.
    forms::CheckBox Check1{*this, "Check1", {.bounds = {240, 360, 255, 255}}};
    forms::CheckBox Check2{*this, "Check2", {.bounds = {240, 720, 255, 255}}};
    forms::CheckBox Check6{*this, "Check6", {.bounds = {240, 1080, 255, 255}}};
    forms::CheckBox Check5{*this, "Check5", {.bounds = {240, 1440, 255, 255}}};

    // The allowed sites (List1) and the disallowed sites (List2), each with
    // the box a site is typed into and its Add and Delete buttons.
    forms::ListBox List1{*this, "List1",
                         {.bounds = {240, 2880, 3615, 1620},
                          .toolTip = "sites that are allowed will not be prevented from opening popups"}};
    forms::TextBox Text1{*this, "Text1", {.bounds = {240, 4560, 2655, 315}}};
    forms::CommandButton Command1{*this, "Command1",
                                  {.caption = "Add",
                                   .bounds = {2955, 4560, 855, 315},
                                   .toolTip = "Allow popups from the site typed in the text box to the left."}};
    forms::CommandButton Command2{*this, "Command2",
                                  {.caption = "Delete",
                                   .bounds = {3870, 4560, 855, 315},
                                   .toolTip = "Remove the selected site from the Allowed List"}};
    forms::ListBox List2{*this, "List2",
                         {.bounds = {4560, 2880, 3615, 1620},
                          .toolTip = "all sites that are not \"allowed\" are blocked by shrikewatch.  disallowed sites "
                                     "will not prompt you from setup mode."}};
    forms::TextBox Text2{*this, "Text2", {.bounds = {4560, 4560, 2655, 315}}};
    forms::CommandButton Command4{*this, "Command4",
                                  {.caption = "Add",
                                   .bounds = {7275, 4560, 855, 315},
                                   .toolTip = "Prevent popups from the site typed in the text box to the left."}};
    forms::CommandButton Command3{*this, "Command3",
                                  {.caption = "Delete",
                                   .bounds = {7275, 4935, 855, 315},
                                   .toolTip = "Remove the selected site from the Disallowed List"}};

    void Form_Load();
    void Form_Unload(int& Cancel);
    void mnuFileItem_Click(int Index);
    void mnuHelpItem_Click(int Index);
    void mnuAboutItem_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void pctHotkey_MouseMove(int Button, int Shift, float X, float Y);

    // The window's own icon: the notification-area icon and its identifier.
    platform::Handle picTrayIcon = 0;
    // Follows the browser windows while the window is loaded.
    std::shared_ptr<windhover::cIEWindows> VarIEWindows;
};

}  // namespace windhover
