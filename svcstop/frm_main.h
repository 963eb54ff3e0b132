#pragma once
// The main window of nightjar.
#include <cstdint>

#include "platform/forms/form.h"

namespace nightjar {

class frmMain : public forms::Form {
public:
    frmMain();

    forms::Menu mnuFile{*this, "mnuFile", "File"};
    forms::Menu mnuFileItem0{*this, "mnuFileItem", "Minimize", &mnuFile, 0};
    forms::Menu mnuFileItem1{*this, "mnuFileItem", "Exit", &mnuFile, 1};
    forms::Menu mnuHelp{*this, "mnuHelp", "Help"};
    forms::Menu mnuHelpItem{*this, "mnuHelpItem", "View Help", &mnuHelp};
    forms::Menu mnuAbout{*this, "mnuAbout", "About"};
    forms::Menu mnuAboutItem0{*this, "mnuAboutItem", "About this software", &mnuAbout, 0};

    void Form_Load();
    void Form_QueryUnload(int& Cancel, int UnloadMode);
    void Form_Unload(int& Cancel);
    void mnuFileItem_Click(int Index);
    void mnuHelpItem_Click();
    void mnuAboutItem_Click(int Index);
};

}  // namespace nightjar
