// What every Win32 control peer shares: its child window, font, brush and common properties.
#include "platform/win32/child_peer.h"

#include "platform/win32/handles.h"
#include "platform/win32/metrics.h"
#include "platform/win32/tool_tips.h"

namespace forms::win32 {

namespace {

RECT PixelBounds(const Control& control) {
    const Rect& twips = control.bounds();
    const int left = PixelsX(twips.left);
    const int top = PixelsY(twips.top);
    return RECT{left, top, left + PixelsX(twips.width), top + PixelsY(twips.height)};
}

HFONT MakeFont(const Control& control) {
    // A negative height asks for the character height, as point sizes mean.
    return CreateFontA(-FontPixels(control.fontSize()), 0, 0, 0, control.fontBold() ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, control.fontName().c_str());
}

template <class Object>
void Replace(Object& held, Object object) {
    if (held) DeleteObject(held);
    held = object;
}

}  // namespace

void ChildPeer::create(const ChildClass& kind, void* createParams) {
    showsCaption_ = kind.showsCaption;
    beneath_ = kind.beneath;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control_.visible() ? WS_VISIBLE : 0) |
                        (control_.enabled() ? 0 : WS_DISABLED);
    const RECT bounds = PixelBounds(control_);
    const char* text = kind.showsCaption ? control_.caption().c_str() : "";
    window_ = CreateWindowExA(kind.exStyle, kind.name, text, style, bounds.left, bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, native_.window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(native_.nextChildId++)),
                              GetModuleHandleA(nullptr), createParams);
    if (!window_) return;
    native_.children[window_] = this;
    applyFont();
    applyColors();
    showToolTip();
}

ChildPeer::~ChildPeer() {
    if (window_) {
        native_.children.erase(window_);
        ShowToolTip(native_, window_, "", tipShown_);
        DestroyWindow(window_);
    }
    // Only once the window no longer uses them.
    if (font_) DeleteObject(font_);
    if (brush_) DeleteObject(brush_);
}

void ChildPeer::settleZOrder(int layer) {
    if (beneath_ == layer && window_)
        SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Handle ChildPeer::handle() const { return platform::win32::From(window_); }

void ChildPeer::applyFont() {
    HFONT font = MakeFont(control_);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The old font may go only once the control no longer uses it.
    Replace(font_, font);
}

void ChildPeer::showToolTip() { tipShown_ = ShowToolTip(native_, window_, control_.toolTip(), tipShown_); }

void ChildPeer::applyColors() {
    const bool own = control_.backColor() != kSystemColor;
    Replace(brush_, own ? CreateSolidBrush(ColorRef(control_.backColor())) : HBRUSH{});
    InvalidateRect(window_, nullptr, TRUE);
}

void ChildPeer::move() {
    const RECT bounds = PixelBounds(control_);
    MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

void ChildPeer::changed(Prop prop) {
    if (!window_) return;
    switch (prop) {
        case Prop::Caption:
            if (showsCaption_) SetWindowTextA(window_, control_.caption().c_str());
            break;
        case Prop::Visible:
            ShowWindow(window_, control_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Prop::Enabled:
            EnableWindow(window_, control_.enabled());
            break;
        case Prop::Bounds:
            move();
            break;
        case Prop::Colors:
            applyColors();
            break;
        case Prop::Font:
            applyFont();
            break;
        case Prop::ToolTip:
            showToolTip();
            break;
        default:
            break;  // the kind's own
    }
}

LRESULT ChildPeer::color(UINT message, HDC dc) {
    const LRESULT standard =
        DefWindowProcA(native_.window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window_));
    if (control_.foreColor() != kSystemColor) SetTextColor(dc, ColorRef(control_.foreColor()));
    if (!brush_) return standard;
    SetBkColor(dc, ColorRef(control_.backColor()));
    return reinterpret_cast<LRESULT>(brush_);
}

}  // namespace forms::win32
