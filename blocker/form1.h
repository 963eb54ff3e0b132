#pragma once
// The main window of windhover.
#include <cstdint>
#include <string>

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

    void Form_Load();
    void Form_Unload(int& Cancel);
    void mnuFileItem_Click(int Index);
    void mnuHelpItem_Click(int Index);
    void mnuAboutItem_Click(int Index);
    void pctHotkey_MouseMove(int Button, int Shift, float X, float Y);

    // The window's own icon: the notification-area icon and its identifier.
    platform::Handle picTrayIcon = 0;
};

}  // namespace windhover
