#pragma once
// The windows of the program the frame is built into: each program defines
// these for its own main window, its own website window and its skin routine.
#include <string>

#include "platform/forms/form.h"

// The program's main window (windhover: Form1, nightjar: frmMain).
forms::Form& MainWindow();
// The program's own frmWebsite.
forms::Form& WebsiteWindow();
// Skins a window of the frame, with skins on only.
void ApplyProgramSkin(forms::Form& window);

// What frmWebsite opens; "Website" is the home page.
extern std::string WebsiteMode;
