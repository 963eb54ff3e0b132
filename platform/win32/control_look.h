#pragma once
// Fonts and colours of the controls: the GDI objects their form owns, and the
// answers to the WM_CTLCOLOR* messages.
#include "platform/win32/native_form.h"

namespace forms::win32 {

// Gives the control a font made from its font properties.
void ApplyFont(NativeForm& native, Control& control);
// Makes the brush for the control's back colour, or drops it for the system's.
void ApplyColors(NativeForm& native, Control& control);
// WM_CTLCOLOR*: the system's answer, with the control's own colours over it.
LRESULT ControlColor(NativeForm& native, UINT message, WPARAM dc, LPARAM child);
// Deletes every font and brush of the form.
void FreeLook(NativeForm& native);

}  // namespace forms::win32
