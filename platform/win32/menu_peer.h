#pragma once
// What the Menu controls' peers give the rest of the backend: the form's menu
// bar built from them, and the control a menu command comes from.
#include "platform/win32/native_form.h"

namespace forms::win32 {

// Builds the bar from the form's visible top-level menus and puts it on the
// window, replacing the one it had.
void RebuildMenuBar(NativeForm& native);
// The menu whose command identifier this is, or nullptr.
Menu* MenuByCommand(const NativeForm& native, int id);

}  // namespace forms::win32
