#pragma once
// The service properties window, not yet finished: it names the service of
// the main window's selected row and disables the account controls for a
// service that shares its process. It changes nothing on the system.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace nightjar {

class frmStartup : public forms::Form {
public:
    frmStartup();

    forms::Label Label1;
    forms::Label lblServiceName;
    // Placeholders: empty boxes without captions.
    forms::Frame SSFrame1;
    forms::Frame optAutomatic;
    forms::Frame optManual;
    forms::Frame optDisabled;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdCancel;
    forms::CommandButton cmdHelp;
    forms::Frame SSFrame2;
    forms::Frame optSystem;
    forms::Frame chkInteractive;
    forms::Frame optAccount;
    forms::TextBox txtAccountName;
    forms::CommandButton cmdAccountLookup;
    forms::Label Label2;
    forms::TextBox txtPassword;
    forms::Label Label3;
    forms::TextBox txtConfirmPassword;

    void Form_Load();
    void Form_Activate();
    void cmdCancel_Click();
};

}  // namespace nightjar
