// A hook of whooks.dll: learns the id of a program's notification-area icon
// for the driver, which needs it to take the icon away as a restarting
// taskbar does.
//
// The icon's id is its picture's handle, known only inside the program; the
// shell hands it back with every callback. Posted kTrayRequest (lParam the
// driver's thread), this hook hooks the program's thread for sent messages
// too and answers kTrayArmed; the next tray callback the shell sends (the
// platform layer's WM_APP + 1, wParam the icon's id) is answered with
// kTrayReply, wParam the id and lParam the window (after kTrayMouse, wParam
// the mouse message the callback carried), and that hook goes again.
#include <windows.h>

namespace {

// The message the programs' icons call back with (platform/messages.h).
constexpr UINT kTrayCallback = WM_APP + 1;

DWORD driver = 0;
HHOOK sentHook = nullptr;

LRESULT CALLBACK SentProc(int code, WPARAM current, LPARAM param) {
    static const UINT reply = RegisterWindowMessageA("wdriver.tray.reply");
    static const UINT mouse = RegisterWindowMessageA("wdriver.tray.mouse");
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(param);
    const LRESULT next = CallNextHookEx(nullptr, code, current, param);
    if (code == HC_ACTION && driver && sent->message == kTrayCallback) {
        PostThreadMessageA(driver, mouse, static_cast<WPARAM>(sent->lParam), 0);
        PostThreadMessageA(driver, reply, sent->wParam, reinterpret_cast<LPARAM>(sent->hwnd));
        driver = 0;
        UnhookWindowsHookEx(sentHook);
        sentHook = nullptr;
    }
    return next;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK TrayHookProc(int code, WPARAM removed, LPARAM param) {
    auto* msg = reinterpret_cast<MSG*>(param);
    static const UINT request = RegisterWindowMessageA("wdriver.tray.request");
    static const UINT armed = RegisterWindowMessageA("wdriver.tray.armed");
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == request) {
        driver = static_cast<DWORD>(msg->lParam);
        if (!sentHook) sentHook = SetWindowsHookExA(WH_CALLWNDPROC, SentProc, nullptr, GetCurrentThreadId());
        PostThreadMessageA(driver, armed, sentHook != nullptr, 0);
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removed, param);
}
