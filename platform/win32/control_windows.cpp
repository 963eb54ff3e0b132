#include "platform/win32/control_windows.h"

#include <commctrl.h>
#include <richedit.h>

#include "platform/forms/backend.h"
#include "platform/win32/control_look.h"
#include "platform/win32/handles.h"
#include "platform/win32/menus.h"
#include "platform/win32/metrics.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/rich_text.h"
#include "platform/win32/status_bar.h"
#include "platform/win32/timers.h"

namespace forms::win32 {

namespace {

// The window class and styles of each control kind that has a window.
struct Kind {
    const char* type;
    const char* windowClass;  // nullptr: our own picture class
    DWORD style;
    DWORD exStyle;
    bool showsCaption;
};

const Kind kKinds[] = {
    {"CheckBox", "BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, true},
    {"CommandButton", "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, true},
    {"Label", "STATIC", SS_LEFT | SS_NOTIFY, 0, true},
    {"TextBox", "EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, false},
    {"StatusBar", STATUSCLASSNAMEA, 0, 0, false},
    {"PictureBox", nullptr, 0, 0, false},
    {"RichTextBox", RICHEDIT_CLASSA, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE,
     false},
};

const Kind* KindOf(const Control& control) {
    for (const Kind& kind : kKinds)
        if (control.typeName() == kind.type) return &kind;
    return nullptr;
}

RECT PixelBounds(const Control& control) {
    const Rect& twips = control.bounds();
    const int left = PixelsX(twips.left);
    const int top = PixelsY(twips.top);
    return RECT{left, top, left + PixelsX(twips.width), top + PixelsY(twips.height)};
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetText(NativeForm& native, HWND window, const std::string& text) {
    native.settingText = true;
    SetWindowTextA(window, text.c_str());
    native.settingText = false;
}

void ShowValue(HWND window, const Control& control) {
    if (control.typeName() != "CheckBox") return;
    static const WPARAM kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    SendMessageA(window, BM_SETCHECK, kStates[static_cast<const CheckBox&>(control).value()], 0);
}

void ShowText(NativeForm& native, HWND window, const Control& control) {
    if (control.typeName() == "TextBox") SetText(native, window, static_cast<const TextBox&>(control).text());
    if (control.typeName() == "RichTextBox")
        StreamDocument(window, static_cast<const RichTextBox&>(control).textRTF());
}

void ShowKindState(NativeForm& native, HWND window, Control& control) {
    ShowValue(window, control);
    ShowText(native, window, control);
    if (control.typeName() == "StatusBar") ShowPanels(window, static_cast<const StatusBar&>(control));
    if (control.typeName() == "PictureBox") ShowPicture(window, static_cast<const PictureBox&>(control).picture());
}

HWND CreateChild(HWND parent, const Kind& kind, Control& control, int id) {
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control.visible() ? WS_VISIBLE : 0) |
                        (control.enabled() ? 0 : WS_DISABLED);
    const RECT bounds = PixelBounds(control);
    if (!kind.windowClass) return CreatePictureWindow(parent, static_cast<PictureBox&>(control), style, bounds);
    const char* text = kind.showsCaption ? control.caption().c_str() : "";
    return CreateWindowExA(kind.exStyle, kind.windowClass, text, style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void MoveChild(HWND window, const Control& control) {
    if (control.typeName() == "StatusBar") return;  // the bar keeps to the form's foot
    const RECT bounds = PixelBounds(control);
    MoveWindow(window, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

void ShowChange(NativeForm& native, HWND window, Control& control, Prop prop) {
    switch (prop) {
        case Prop::Caption:
            if (const Kind* kind = KindOf(control); kind && kind->showsCaption)
                SetWindowTextA(window, control.caption().c_str());
            break;
        case Prop::Text:
            ShowText(native, window, control);
            break;
        case Prop::Visible:
            ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Prop::Enabled:
            EnableWindow(window, control.enabled());
            break;
        case Prop::Bounds:
            MoveChild(window, control);
            break;
        case Prop::Colors:
            ApplyColors(native, control);
            break;
        case Prop::Font:
            ApplyFont(native, control);
            break;
        case Prop::Value:
            ShowValue(window, control);
            break;
        case Prop::Panels:
            if (control.typeName() == "StatusBar") ShowPanels(window, static_cast<const StatusBar&>(control));
            break;
        case Prop::Picture:
            if (control.typeName() == "PictureBox")
                ShowPicture(window, static_cast<const PictureBox&>(control).picture());
            break;
        case Prop::ToolTip:
        case Prop::Timer:
            break;
    }
}

}  // namespace

void CreateControlWindows(NativeForm& native) {
    int id = 100;
    for (Control* control : native.form->controls()) {
        const Kind* kind = KindOf(*control);
        if (!kind) continue;
        HWND window = CreateChild(native.window, *kind, *control, id++);
        if (!window) continue;
        control->attachNative(platform::win32::From(window));
        native.children[window] = control;
        ApplyFont(native, *control);
        ApplyColors(native, *control);
        ShowKindState(native, window, *control);
    }
}

void ControlCommand(NativeForm& native, HWND child, int code) {
    auto it = native.children.find(child);
    if (it == native.children.end()) return;
    Control& control = *it->second;
    const std::string& type = control.typeName();
    if (type == "CheckBox" && code == BN_CLICKED) static_cast<CheckBox&>(control).userClick();
    if (type == "CommandButton" && code == BN_CLICKED) static_cast<CommandButton&>(control).userClick();
    if (type == "Label" && code == STN_CLICKED) static_cast<Label&>(control).userClick();
    if (type == "TextBox" && code == EN_CHANGE && !native.settingText)
        static_cast<TextBox&>(control).userType(WindowText(child));
}

void FollowFormSize(NativeForm& native) {
    for (const auto& [window, control] : native.children)
        if (control->typeName() == "StatusBar") SendMessageA(window, WM_SIZE, 0, 0);
}

}  // namespace forms::win32

namespace forms::backend {

void ControlChanged(Control& control, Prop prop) {
    win32::NativeForm* native = win32::Find(control.form());
    if (!native) return;
    if (control.typeName() == "Timer") {
        if (prop == Prop::Timer) win32::SyncTimer(*native, static_cast<Timer&>(control));
        return;
    }
    if (control.typeName() == "Menu") {
        win32::RebuildMenuBar(*native);
        return;
    }
    if (HWND window = win32::WindowOf(control)) win32::ShowChange(*native, window, control, prop);
}

}  // namespace forms::backend
