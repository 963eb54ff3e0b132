#pragma once
// The keyboard in the forms' windows: the focus each form keeps while it is
// not active, and the dialog keys that every message loop offers the forms
// before it dispatches a message (with the mouse messages their tool tips
// watch).
#include <windows.h>

#include "platform/win32/native_form.h"

namespace forms::win32 {

// The shift flags held now, as the key events give them (forms::kShiftMask, ...).
int KeyShift();

// The form's window is being deactivated: it keeps the child that has the focus.
void SaveFocus(NativeForm& native);
// The form's window is activated or got the focus: the child it kept takes
// the focus, while that child can. False when it could not.
bool RestoreFocus(const NativeForm& native);

// Offers the message to the dialog keys of its window: a key in a form goes
// to Form::userDialogKey, any message of a system dialog box (a message box)
// to IsDialogMessage. True when that took it: the loop then neither
// translates nor dispatches it. A mouse message in a form goes to the form's
// tooltip control as well.
bool DialogMessage(MSG& message);

}  // namespace forms::win32
