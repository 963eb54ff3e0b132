#pragma once
// The status bar: a common-controls status window, one section per panel.
#include <windows.h>

#include "platform/forms/controls.h"

namespace forms::win32 {

// Sets the sections from the panels' widths and writes each panel's text.
void ShowPanels(HWND bar, const StatusBar& status);

}  // namespace forms::win32
