#pragma once
// The native side of a loaded form: its window, the handles it owns, and the
// lookups its window procedure needs. One exists from CreateFormWindow until
// DestroyFormWindow.
#include <windows.h>

#include <map>
#include <vector>

#include "platform/forms/form.h"

namespace forms::win32 {

class ChildPeer;

struct NativeForm {
    Form* form = nullptr;
    HWND window = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    // False while the window is being built or torn down: the messages the
    // system sends then are no user's doing.
    bool ready = false;
    // The peers register here, for the messages the form's window gets on
    // their behalf: child windows (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*),
    // timers (WM_TIMER) and menu items (WM_COMMAND without a child).
    std::map<HWND, ChildPeer*> children;
    std::map<UINT_PTR, Timer*> timers;
    std::map<int, Menu*> menuItems;
    std::map<const Menu*, int> menuIds;
    int nextChildId = 100;
    UINT_PTR nextTimerId = 1;
    // Above any child identifier, so that the two never meet.
    int nextMenuId = 0x1000;
    // The windows a modal show of this form disabled, to enable again.
    std::vector<HWND> disabledByModal;
    // The child that had the keyboard focus when the form was last active,
    // or that the program gave it since: it gets the focus back when the
    // form is activated.
    HWND savedFocus = nullptr;
    // The tooltip control of the controls' tips, once one has a tip.
    HWND toolTips = nullptr;
};

// The native form of a loaded form; nullptr when it has none.
NativeForm* Find(const Form& form);
// The native form whose window that is; nullptr for any other window.
NativeForm* FindByWindow(HWND window);
NativeForm& Add(Form& form);
void Remove(const Form& form);

// The form the system last activated, while it is loaded: the program's
// active form, which a message box or another program coming and going
// leaves as it was.
Form*& ActiveForm();

HWND WindowOf(const Form& form);

// The peer of a child window of the form, or nullptr.
ChildPeer* ChildOf(const NativeForm& native, HWND child);

}  // namespace forms::win32
