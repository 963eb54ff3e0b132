// wmenuhook.dll: chooses a menu item from inside the program that owns it.
//
// Wine keeps a menu's items in the process that made it, so the driver can
// not read another program's menu bar. It hooks the program's thread with
// this library instead and posts it kMenuRequest: wParam a global atom
// holding the item's caption, lParam the driver's thread. The hook, now
// inside the program, looks the caption up in the window's own menu bar,
// posts the window WM_COMMAND with the item's id, as choosing it would, and
// answers the driver with kMenuReply: wParam 1 if the item was found, lParam
// its id.
//
// It also watches the program for the driver's hot-key check: posted
// kWatchRequest (lParam the driver's thread), the hook reports to that
// thread with kWatchReply each WM_HOTKEY the program takes off its queue
// (wParam 1) and each plain mouse move posted to a picture box of ours,
// no button and at (0, 0) (wParam 2).
#include <windows.h>

#include <cstring>

#include <string>

namespace {

std::string WithoutMnemonics(const char* text) {
    std::string plain;
    for (const char* p = text; *p; ++p) {
        if (*p == '&' && p[1]) ++p;
        if (*p == '\t') break;
        plain += *p;
    }
    return plain;
}

bool FindItem(HMENU menu, const std::string& wanted, UINT* id) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (FindItem(sub, wanted, id)) return true;
            continue;
        }
        char caption[256] = {};
        GetMenuStringA(menu, i, caption, sizeof caption, MF_BYPOSITION);
        if (wanted == caption || wanted == WithoutMnemonics(caption)) {
            *id = GetMenuItemID(menu, i);
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuHookProc(int code, WPARAM removed, LPARAM param) {
    auto* msg = reinterpret_cast<MSG*>(param);
    static const UINT request = RegisterWindowMessageA("wdriver.menu.request");
    static const UINT reply = RegisterWindowMessageA("wdriver.menu.reply");
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == request) {
        char wanted[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(msg->wParam), wanted, sizeof wanted);
        UINT id = 0;
        const bool found = FindItem(GetMenu(msg->hwnd), wanted, &id);
        if (found) PostMessageA(msg->hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        PostThreadMessageA(static_cast<DWORD>(msg->lParam), reply, found ? 1 : 0, id);
        msg->message = WM_NULL;  // the window itself never sees the request
    }
    return CallNextHookEx(nullptr, code, removed, param);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK WatchHookProc(int code, WPARAM removed, LPARAM param) {
    auto* msg = reinterpret_cast<MSG*>(param);
    static const UINT request = RegisterWindowMessageA("wdriver.watch.request");
    static const UINT reply = RegisterWindowMessageA("wdriver.watch.reply");
    static DWORD driver = 0;
    if (code == HC_ACTION && removed == PM_REMOVE) {
        char type[64] = {};
        if (msg->message == request) {
            driver = static_cast<DWORD>(msg->lParam);
            msg->message = WM_NULL;
        } else if (driver && msg->message == WM_HOTKEY) {
            PostThreadMessageA(driver, reply, 1, msg->lParam);
        } else if (driver && msg->message == WM_MOUSEMOVE && msg->wParam == 0 && msg->lParam == 0 &&
                   GetClassNameA(msg->hwnd, type, sizeof type) && std::strcmp(type, "FormsPictureBox") == 0) {
            PostThreadMessageA(driver, reply, 2, 0);
        }
    }
    return CallNextHookEx(nullptr, code, removed, param);
}
