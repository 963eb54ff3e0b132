#pragma once
// The picture box: a child window of its own class that draws an icon or
// bitmap resource of the executable and reports the mouse over it.
#include <windows.h>

#include <string>

#include "platform/forms/controls.h"

namespace forms::win32 {

HWND CreatePictureWindow(HWND parent, PictureBox& box, DWORD style, const RECT& bounds);
// Loads the named resource, an icon or else a bitmap, in place of the shown one.
void ShowPicture(HWND window, const std::string& resourceName);

}  // namespace forms::win32
