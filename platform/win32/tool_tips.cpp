// The tool tips of a form's controls: one tooltip control a form, one tool a control with a tip.
#include "platform/win32/tool_tips.h"

#include <commctrl.h>

#include "platform/win32/metrics.h"

namespace forms::win32 {

namespace {

// A long tip wraps at this width instead of running off the screen.
constexpr int kTipWidthTwips = 6000;

// The tool of a child window: the child itself. The tooltip control is
// handed the child's mouse messages by the message loops rather than
// subclassing the child, which would put every message of the child (each
// of the many items a list is filled with) through two more procedures.
// The record ends before the field only Vista's common controls know, so
// that those of version 5 (a program without the manifest) take it as those
// of version 6 do.
TTTOOLINFOA ToolOf(const NativeForm& native, HWND child, const std::string& text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = native.window;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    // The tooltip control keeps a copy of the text.
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

HWND MakeToolTips(const NativeForm& native) {
    // Shown whether or not the form is active; texts shown as they are, an
    // ampersand too.
    HWND tips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, native.window, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (tips) SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, PixelsX(kTipWidthTwips));
    return tips;
}

}  // namespace

bool ShowToolTip(NativeForm& native, HWND child, const std::string& text, bool shown) {
    if (!child || (!shown && text.empty())) return false;
    if (!native.toolTips) native.toolTips = MakeToolTips(native);
    if (!native.toolTips) return false;
    TTTOOLINFOA tool = ToolOf(native, child, text);
    const auto record = reinterpret_cast<LPARAM>(&tool);
    if (text.empty()) {
        SendMessageA(native.toolTips, TTM_DELTOOLA, 0, record);
        return false;
    }
    if (shown) {
        SendMessageA(native.toolTips, TTM_UPDATETIPTEXTA, 0, record);
        return true;
    }
    return SendMessageA(native.toolTips, TTM_ADDTOOLA, 0, record) != FALSE;
}

void RelayToToolTip(const NativeForm& native, const MSG& message) {
    if (!native.toolTips) return;
    switch (message.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            SendMessageA(native.toolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
            break;
        default:
            break;
    }
}

void DestroyToolTips(NativeForm& native) {
    if (native.toolTips) DestroyWindow(native.toolTips);
    native.toolTips = nullptr;
}

}  // namespace forms::win32
