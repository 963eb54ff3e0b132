#pragma once
// The status bar: a common-controls status window with one part per panel.
#include <windows.h>

#include "platform/forms/controls.h"

namespace forms::win32 {

// Sets the parts from the panels' widths and writes each panel's text.
void ShowPanels(HWND bar, const StatusBar& status);

}  // namespace forms::win32
