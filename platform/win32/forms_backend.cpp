// The forms' top-level windows: made hidden when a form loads, changed with
// its properties, destroyed when it unloads; the modal loop; and the screen's
// twips per pixel.
#include "platform/error.h"
#include "platform/forms/backend.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/form_proc.h"
#include "platform/win32/form_style.h"
#include "platform/win32/handles.h"
#include "platform/win32/idle.h"
#include "platform/win32/menu_peer.h"
#include "platform/win32/metrics.h"
#include "platform/win32/peer_factory.h"
#include "platform/win32/tool_tips.h"

namespace forms::win32 {

namespace {

// The ShowWindow commands that show a hidden window in a state, and that put
// a shown one into it.
struct StateCommands {
    int show;
    int change;
};

StateCommands CommandsFor(WindowState state) {
    static const StateCommands kCommands[] = {
        {SW_SHOWNORMAL, SW_RESTORE},      // Normal
        {SW_SHOWMINIMIZED, SW_MINIMIZE},  // Minimized
        {SW_SHOWMAXIMIZED, SW_MAXIMIZE},  // Maximized
    };
    return kCommands[static_cast<int>(state)];
}

// Gives back the windows a modal show disabled, before the modal window goes,
// so that the system activates one of them and not another program.
void EndModal(NativeForm& native) {
    for (HWND window : native.disabledByModal)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    native.disabledByModal.clear();
}

void ShowVisibility(NativeForm& native) {
    const Form& form = *native.form;
    if (!form.visible()) EndModal(native);
    ShowWindow(native.window, form.visible() ? CommandsFor(form.windowState()).show : SW_HIDE);
}

// The pointer changes at once where the mouse stands over the window.
void ShowPointer(const NativeForm& native) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    if (under == native.window || IsChild(native.window, under)) SetCursor(PointerOf(*native.form));
}

void MoveForm(const NativeForm& native) {
    const RECT outer = OuterRect(*native.form, false);
    MoveWindow(native.window, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, TRUE);
}

void DisableOthers(NativeForm& native) {
    for (Form* other : AllForms()) {
        if (other == native.form || !other->loaded() || !other->visible()) continue;
        HWND window = WindowOf(*other);
        if (window && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            native.disabledByModal.push_back(window);
        }
    }
}

}  // namespace

}  // namespace forms::win32

namespace forms::backend {

using namespace forms::win32;

void CreateFormWindow(Form& form) {
    NativeForm& native = Add(form);
    const WindowStyle style = StyleOf(form);
    const RECT outer = OuterRect(form, form.centred());
    HWND window = CreateWindowExA(style.exStyle, FormClass(), form.caption().c_str(), style.style, outer.left,
                                  outer.top, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), &native);
    if (!window) {
        const long error = static_cast<long>(GetLastError());
        Remove(form);
        throw platform::Error(error, "Cannot create the window of " + form.name());
    }
    ApplyIcons(native);
    form.attachNative(platform::win32::From(window), platform::win32::From(native.bigIcon));
    Win32Peers peers(native);
    for (Control* control : form.controls()) control->createPeer(peers);
    RebuildMenuBar(native);
    // The menu bar took its room from the client area.
    for (const auto& [child, peer] : native.children) peer->formResized();
    for (int layer : {1, 2})
        for (const auto& [child, peer] : native.children) peer->settleZOrder(layer);
    native.ready = true;
}

void DestroyFormWindow(Form& form) {
    NativeForm* native = Find(form);
    if (!native) return;
    native->ready = false;
    EndModal(*native);
    // The peers take their windows, tips, timers and GDI objects with them;
    // the menu bar goes with the form's window.
    for (Control* control : form.controls()) control->destroyPeer();
    DestroyToolTips(*native);
    DestroyWindow(native->window);
    FreeIcons(*native);
    Remove(form);
    if (ActiveForm() == &form) ActiveForm() = nullptr;
}

void FormChanged(Form& form, FormProp prop) {
    NativeForm* native = Find(form);
    if (!native) return;
    switch (prop) {
        case FormProp::Caption:
            SetWindowTextA(native->window, form.caption().c_str());
            ApplyStyle(*native);
            break;
        case FormProp::Visible:
            ShowVisibility(*native);
            break;
        case FormProp::WindowState:
            if (form.visible()) ShowWindow(native->window, CommandsFor(form.windowState()).change);
            break;
        case FormProp::Bounds:
            MoveForm(*native);
            break;
        case FormProp::MousePointer:
            ShowPointer(*native);
            break;
    }
}

void RunModal(Form& form) {
    if (NativeForm* native = Find(form)) DisableOthers(*native);
    while (form.showingModal() && IdleStep()) {
    }
    if (NativeForm* native = Find(form)) EndModal(*native);
}

float TwipsPerPixelX() { return win32::TwipsX(1); }

}  // namespace forms::backend
