#pragma once
// The main window of windhover.
#include <cstdint>
#include <memory>
#include <string>

#include "blocker/c_ie_windows.h"
#include "blocker/site_items.h"
#include "platform/forms/form.h"

class Form1 : public forms::Form {
public:
    Form1();

    forms::Menu mnuFile{*this, "mnuFile", "File"};
    forms::Menu mnuFileItem1{*this, "mnuFileItem", "Exit", &mnuFile, 1};
    forms::Menu mnuHelp{*this, "mnuHelp", "Help"};
    forms::Menu mnuHelpItem0{*this, "mnuHelpItem", "View Help", &mnuHelp, 0};
    forms::Menu mnuAbout{*this, "mnuAbout", "About"};
    forms::Menu mnuAboutItem0{*this, "mnuAboutItem", "About this software", &mnuAbout, 0};

    // The switches the popup decision reads: blocking, setup mode, sound, links.
    forms::CheckBox Check1{*this, "Check1"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::CheckBox Check5{*this, "Check5"};
    forms::CheckBox Check6{*this, "Check6"};

    // The allowed sites (List1) and the disallowed sites (List2).
    windhover::SiteItems List1;
    forms::TextBox Text1{*this, "Text1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    windhover::SiteItems List2;
    forms::TextBox Text2{*this, "Text2"};
    forms::CommandButton Command4{*this, "Command4"};
    forms::CommandButton Command3{*this, "Command3"};

    void Form_Load();
    void Form_Unload(int& Cancel);
    void mnuFileItem_Click(int Index);
    void mnuHelpItem_Click(int Index);
    void mnuAboutItem_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The window's own icon: the notification-area icon and its identifier.
    platform::Handle picTrayIcon = 0;
    // Follows the browser windows while the window is loaded.
    std::shared_ptr<windhover::cIEWindows> VarIEWindows;
};
