#pragma once
// The tool tips of a form's controls: one tooltip control a form, made with
// its first tip, and in it one tool a child window whose control has a tip.
// The message loops hand the tooltip control the mouse messages of the
// form's children, and it shows the tip once the pointer rests on one.
#include <string>

#include "platform/win32/native_form.h"

namespace forms::win32 {

// Gives the child window `text` as its tip; `shown` says whether the child
// has a tool already. An empty text takes the tool away. True when the
// child has a tool afterwards.
bool ShowToolTip(NativeForm& native, HWND child, const std::string& text, bool shown);
// A message on its way to a window of the form: a mouse message goes to the
// form's tooltip control too.
void RelayToToolTip(const NativeForm& native, const MSG& message);
// The tooltip control goes, before the form's window.
void DestroyToolTips(NativeForm& native);

}  // namespace forms::win32
