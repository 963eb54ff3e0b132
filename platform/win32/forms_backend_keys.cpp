// The keyboard in the forms' windows: each form's saved focus, and the dialog keys every message
// loop hands the forms first.
#include "platform/win32/forms_backend_keys.h"

#include "platform/forms/keys.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/handles.h"
#include "platform/win32/tool_tips.h"

namespace forms::win32 {

namespace {

// The class atom of the system's dialog boxes, "#32770".
constexpr ULONG_PTR kDialogClassAtom = 32770;

// The control whose window is `window` or holds it; nullptr for none.
Control* ControlHolding(const NativeForm& native, HWND window) {
    for (HWND at = window; at && at != native.window; at = GetParent(at))
        if (ChildPeer* peer = ChildOf(native, at)) return &peer->owner();
    return nullptr;
}

// Whether the form's window is the active one, where the focus lies now.
bool Active(const NativeForm& native) {
    HWND focus = GetFocus();
    return GetActiveWindow() == native.window || (focus && IsChild(native.window, focus));
}

bool IsButton(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Button") == 0;
}

bool FormKey(NativeForm& native, const MSG& message) {
    const auto key = static_cast<int>(message.wParam);
    if (!native.ready || (key != kKeyTab && key != kKeyReturn && key != kKeySpace)) return false;
    // A held key repeats. Tab goes on moving; a button is pressed once, and
    // the repeats must not reach it either, or it would press itself.
    const bool repeat = (message.lParam & (1L << 30)) != 0;
    if (repeat && key != kKeyTab) return IsButton(message.hwnd);
    HWND window = native.window;
    if (!native.form->userDialogKey(key, KeyShift())) return false;
    // The focus moved by the keyboard: the controls show where it is. The
    // key's handler may have closed the window.
    if (key == kKeyTab && IsWindow(window))
        SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

}  // namespace

int KeyShift() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

void SaveFocus(NativeForm& native) {
    HWND focus = GetFocus();
    if (focus && IsChild(native.window, focus)) native.savedFocus = focus;
}

bool RestoreFocus(const NativeForm& native) {
    HWND saved = native.savedFocus;
    // The child's own visibility: the window may be on its way to the screen.
    const bool can = saved && IsChild(native.window, saved) &&
                     (GetWindowLongPtrA(saved, GWL_STYLE) & WS_VISIBLE) != 0 && IsWindowEnabled(saved);
    if (!can) return false;
    SetFocus(saved);
    return GetFocus() == saved;
}

bool DialogMessage(MSG& message) {
    if (!message.hwnd) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (NativeForm* native = FindByWindow(root)) {
        RelayToToolTip(*native, message);
        return message.message == WM_KEYDOWN && FormKey(*native, message);
    }
    if (root && GetClassLongPtrA(root, GCW_ATOM) == kDialogClassAtom) return IsDialogMessageA(root, &message) != FALSE;
    return false;
}

}  // namespace forms::win32

namespace forms::backend {

using namespace forms::win32;

Control* FocusedControl(const Form& form) {
    const NativeForm* native = Find(form);
    if (!native) return nullptr;
    return ControlHolding(*native, Active(*native) ? GetFocus() : native->savedFocus);
}

void SetFocus(Form& form, Control& control) {
    NativeForm* native = Find(form);
    HWND child = platform::win32::To<HWND>(control.hwnd());
    if (!native || !child) return;
    native->savedFocus = child;
    if (Active(*native)) ::SetFocus(child);
}

}  // namespace forms::backend
