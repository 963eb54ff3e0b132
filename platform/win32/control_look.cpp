#include "platform/win32/control_look.h"

#include <richedit.h>

#include "platform/win32/metrics.h"

namespace forms::win32 {

namespace {

HFONT MakeFont(const Control& control) {
    // A negative height asks for the character height, as point sizes mean.
    return CreateFontA(-FontPixels(control.fontSize()), 0, 0, 0, control.fontBold() ? FW_BOLD : FW_NORMAL, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, control.fontName().c_str());
}

template <class Object>
void Replace(std::map<Control*, Object>& objects, Control& control, Object object) {
    auto it = objects.find(&control);
    if (it != objects.end()) {
        DeleteObject(it->second);
        objects.erase(it);
    }
    if (object) objects[&control] = object;
}

}  // namespace

void ApplyFont(NativeForm& native, Control& control) {
    HWND window = WindowOf(control);
    if (!window) return;
    HFONT font = MakeFont(control);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The old font may go only once the control no longer uses it.
    Replace(native.fonts, control, font);
}

void ApplyColors(NativeForm& native, Control& control) {
    HWND window = WindowOf(control);
    if (!window) return;
    const bool own = control.backColor() != kSystemColor;
    Replace(native.brushes, control, own ? CreateSolidBrush(ColorRef(control.backColor())) : HBRUSH{});
    if (control.typeName() == "RichTextBox")
        SendMessageA(window, EM_SETBKGNDCOLOR, own ? 0 : 1, own ? ColorRef(control.backColor()) : 0);
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT ControlColor(NativeForm& native, UINT message, WPARAM dc, LPARAM child) {
    const LRESULT standard = DefWindowProcA(native.window, message, dc, child);
    auto it = native.children.find(reinterpret_cast<HWND>(child));
    if (it == native.children.end()) return standard;
    Control& control = *it->second;
    HDC context = reinterpret_cast<HDC>(dc);
    if (control.foreColor() != kSystemColor) SetTextColor(context, ColorRef(control.foreColor()));
    auto brush = native.brushes.find(&control);
    if (brush == native.brushes.end()) return standard;
    SetBkColor(context, ColorRef(control.backColor()));
    return reinterpret_cast<LRESULT>(brush->second);
}

void FreeLook(NativeForm& native) {
    for (const auto& [control, font] : native.fonts) DeleteObject(font);
    for (const auto& [control, brush] : native.brushes) DeleteObject(brush);
    native.fonts.clear();
    native.brushes.clear();
}

}  // namespace forms::win32
