#pragma once
// The window class of every form and its window procedure.
#include "platform/win32/native_form.h"

namespace forms::win32 {

// Registers the class on first use and returns its name.
const char* FormClass();
// The cursor of the form's mouse pointer.
HCURSOR PointerOf(const Form& form);

}  // namespace forms::win32
