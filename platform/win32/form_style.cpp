// A form's properties as a top-level window's styles, outer rectangle and icons.
#include "platform/win32/form_style.h"

#include <algorithm>

#include "platform/win32/metrics.h"

namespace forms::win32 {

namespace {

// The styles that say what the window is doing rather than how it looks.
constexpr DWORD kStateStyles = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;

DWORD Boxes(const Form& form) {
    return (form.minButton() ? WS_MINIMIZEBOX : 0) | (form.maxButton() ? WS_MAXIMIZEBOX : 0);
}

// A fixed dialog without caption and buttons has no title bar at all, as the
// splash window wants; it gets one as soon as it is given a caption.
bool Bare(const Form& form) {
    return form.borderStyle() == BorderStyle::FixedDialog && form.caption().empty() && !form.minButton() &&
           !form.maxButton();
}

HICON LoadFormIcon(const Form& form, int size) {
    HINSTANCE program = GetModuleHandleA(nullptr);
    HICON icon = nullptr;
    if (!form.iconResource().empty())
        icon = static_cast<HICON>(LoadImageA(program, form.iconResource().c_str(), IMAGE_ICON, size, size, 0));
    if (!icon) icon = static_cast<HICON>(LoadImageA(program, "APPICON", IMAGE_ICON, size, size, 0));
    return icon;
}

}  // namespace

WindowStyle StyleOf(const Form& form) {
    const DWORD common = WS_CLIPCHILDREN;
    switch (form.borderStyle()) {
        case BorderStyle::None:
            return {common | WS_POPUP, 0};
        case BorderStyle::Sizable:
            return {common | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | Boxes(form), 0};
        case BorderStyle::FixedSingle:
            return {common | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | Boxes(form), 0};
        case BorderStyle::FixedDialog:
            if (Bare(form)) return {common | WS_POPUP | WS_BORDER, 0};
            return {common | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
        case BorderStyle::FixedToolWindow:
            return {common | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
    }
    return {common | WS_OVERLAPPEDWINDOW, 0};
}

void ApplyStyle(const NativeForm& native) {
    const WindowStyle wanted = StyleOf(*native.form);
    const DWORD current = static_cast<DWORD>(GetWindowLongPtrA(native.window, GWL_STYLE));
    const DWORD style = (current & kStateStyles) | wanted.style;
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(native.window, GWL_EXSTYLE));
    const DWORD newExStyle = (exStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW)) | wanted.exStyle;
    if (style == current && newExStyle == exStyle) return;
    SetWindowLongPtrA(native.window, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowLongPtrA(native.window, GWL_EXSTYLE, static_cast<LONG_PTR>(newExStyle));
    SetWindowPos(native.window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT OuterRect(const Form& form, bool centre) {
    const Rect& twips = form.bounds();
    const int width = PixelsX(twips.width);
    const int height = PixelsY(twips.height);
    int left = PixelsX(twips.left);
    int top = PixelsY(twips.top);
    if (centre) {
        left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
        top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    }
    return RECT{left, top, left + width, top + height};
}

void ApplyIcons(NativeForm& native) {
    HICON big = LoadFormIcon(*native.form, 32);
    HICON little = LoadFormIcon(*native.form, 16);
    SendMessageA(native.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(native.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(little));
    FreeIcons(native);
    native.bigIcon = big;
    native.smallIcon = little;
}

void FreeIcons(NativeForm& native) {
    if (native.bigIcon) DestroyIcon(native.bigIcon);
    if (native.smallIcon) DestroyIcon(native.smallIcon);
    native.bigIcon = nullptr;
    native.smallIcon = nullptr;
}

}  // namespace forms::win32
