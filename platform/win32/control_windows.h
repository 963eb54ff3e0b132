#pragma once
// The controls' child windows: made when the form's window is, kept in step
// with the controls' properties, and their notifications turned into the
// controls' user actions.
#include "platform/win32/native_form.h"

namespace forms::win32 {

// Creates a child window for every control kind that has one.
void CreateControlWindows(NativeForm& native);
// WM_COMMAND from a child window.
void ControlCommand(NativeForm& native, HWND child, int code);
// WM_SIZE of the form: the controls that follow the form's size.
void FollowFormSize(NativeForm& native);

}  // namespace forms::win32
