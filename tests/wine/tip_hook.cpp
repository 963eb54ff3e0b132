// A hook of whooks.dll: reads a control's tool tip for the driver, inside
// the program, where its tooltip controls' records can be passed.
//
// Posted kTipRequest (wParam the control, lParam the driver's thread) on a
// form's window, the hook answers kTipReply with a global atom holding "=",
// then the tip and a line end (nothing when no tool of the form's tooltip
// controls is the control's window), which the driver deletes.
#include <string>

#include "tests/wine/tool_tip_read.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK TipHookProc(int code, WPARAM removed, LPARAM param) {
    auto* msg = reinterpret_cast<MSG*>(param);
    static const UINT request = RegisterWindowMessageA("wdriver.tip.request");
    static const UINT reply = RegisterWindowMessageA("wdriver.tip.reply");
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == request) {
        std::string text = "=";
        if (auto tip = tool_tips::Of(msg->hwnd, reinterpret_cast<HWND>(msg->wParam))) text += *tip + "\n";
        // A global atom's name holds at most 255 characters.
        if (text.size() > 255) text.resize(255);
        PostThreadMessageA(static_cast<DWORD>(msg->lParam), reply, GlobalAddAtomA(text.c_str()), 0);
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removed, param);
}
