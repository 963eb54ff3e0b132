#pragma once
// The native side of a loaded form: its window, the handles it owns, and the
// lookups its window procedure needs. One exists from CreateFormWindow until
// DestroyFormWindow.
#include <windows.h>

#include <map>
#include <vector>

#include "platform/forms/form.h"

namespace forms::win32 {

struct NativeForm {
    Form* form = nullptr;
    HWND window = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    // False while the window is being built or torn down: the messages the
    // system sends then are no user's doing.
    bool ready = false;
    // True while the backend itself writes a text box, whose EN_CHANGE is then
    // no typing.
    bool settingText = false;
    std::map<HWND, Control*> children;
    std::map<Control*, HFONT> fonts;
    std::map<Control*, HBRUSH> brushes;
    std::map<UINT_PTR, Timer*> timers;
    // The windows a modal show of this form disabled, to enable again.
    std::vector<HWND> disabledByModal;
};

// The native form of a loaded form; nullptr when it has none.
NativeForm* Find(const Form& form);
NativeForm& Add(Form& form);
void Remove(const Form& form);

// The form the system last activated, while it is loaded: the program's
// active form, which a message box or another program coming and going
// leaves as it was.
Form*& ActiveForm();

HWND WindowOf(const Form& form);
HWND WindowOf(const Control& control);

}  // namespace forms::win32
