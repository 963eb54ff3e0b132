#pragma once
// How a form's properties look as a top-level window: its styles, its outer
// rectangle in pixels, its icons.
#include "platform/win32/native_form.h"

namespace forms::win32 {

struct WindowStyle {
    DWORD style;
    DWORD exStyle;
};

WindowStyle StyleOf(const Form& form);
// Gives the window the styles the form's properties now call for.
void ApplyStyle(const NativeForm& native);
// The outer rectangle: the form's bounds, or centred on the screen.
RECT OuterRect(const Form& form, bool centre);
// Loads the form's icons at 32 and 16 pixels and gives them to the window,
// destroying those it had.
void ApplyIcons(NativeForm& native);
void FreeIcons(NativeForm& native);

}  // namespace forms::win32
