#pragma once
// The form's menu bar and pop-up menus, built from its Menu controls.
#include "platform/win32/native_form.h"

namespace forms::win32 {

// Gives every menu of the form its command identifier.
void NumberMenus(Form& form);
// Builds the bar from the form's visible top-level menus and puts it on the
// window, replacing the one it had.
void RebuildMenuBar(NativeForm& native);
// The menu whose command identifier this is, or nullptr.
Menu* MenuByCommand(const Form& form, int id);

}  // namespace forms::win32
