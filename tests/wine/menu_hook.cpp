// whooks.dll holds the driver's hooks inside the program under test (this
// one, tray_hook.cpp and tip_hook.cpp). This one chooses a menu item from
// inside the program that owns it.
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
#include <commctrl.h>

#include <algorithm>
#include <climits>
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

// "picture WxH colour" or "... grey" for the icon a button holds
// (BM_SETIMAGE), from its opaque pixels; empty for a button without one. The
// icon lives in the program's process, where this runs.
std::string Picture(HWND button) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    BITMAP size{};
    GetObjectA(info.hbmColor, sizeof size, &size);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::string pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight * 4, '\0');
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, info.hbmColor, 0, size.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    bool colour = false;
    for (std::size_t i = 0; rows > 0 && i + 3 < pixels.size(); i += 4) {
        const auto b = static_cast<unsigned char>(pixels[i]), g = static_cast<unsigned char>(pixels[i + 1]),
                   r = static_cast<unsigned char>(pixels[i + 2]), a = static_cast<unsigned char>(pixels[i + 3]);
        const int spread = std::max({r, g, b}) - std::min({r, g, b});
        if (a > 128 && spread > 24) colour = true;
    }
    return "picture " + std::to_string(size.bmWidth) + "x" + std::to_string(size.bmHeight) +
           (colour ? " colour" : " grey");
}

// What the reply can carry: a global atom's name holds at most 255
// characters, the first of them the marker.
constexpr std::size_t kReplyLength = 255;

// One item of a list box, read into a buffer of the item's own length. The
// item is read as the list keeps it, in Unicode: an ANSI read goes through
// the system's conversion of the message, which under Wine copies the item
// into a fixed buffer of its own and overruns it with an item of more than
// 512 characters.
std::string ListBoxItem(HWND box, int index) {
    const LRESULT length = SendMessageW(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied < 0) return {};
    wide.resize(std::min(static_cast<std::size_t>(copied), static_cast<std::size_t>(length)));
    if (wide.empty()) return {};
    const int wideLength = static_cast<int>(std::min<std::size_t>(wide.size(), INT_MAX / 2));
    std::string item(
        static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, item.data(), static_cast<int>(item.size()), nullptr,
                        nullptr);
    return item;
}

// Every part of a status bar or every item of a list box, a line each; a
// control's own text otherwise, and for a button then the picture it holds.
// A list box is read only as far as the reply can carry.
std::string Contents(HWND control) {
    char type[64] = {};
    GetClassNameA(control, type, sizeof type);
    std::string text;
    const auto add = [&](const std::string& line) { text += line + "\n"; };
    if (std::strcmp(type, "msctls_statusbar32") == 0) {
        const int parts = static_cast<int>(SendMessageA(control, SB_GETPARTS, 0, 0));
        for (int i = 0; i < parts; ++i) {
            std::string part(LOWORD(SendMessageA(control, SB_GETTEXTLENGTHA, i, 0)) + 1, '\0');
            SendMessageA(control, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(part.data()));
            add(part.c_str());
        }
    } else if (std::strcmp(type, "ListBox") == 0) {
        const int count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count && text.size() < kReplyLength; ++i) add(ListBoxItem(control, i).c_str());
    } else {
        std::string own(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
        GetWindowTextA(control, own.data(), static_cast<int>(own.size()));
        add(own.c_str());
        const std::string picture = std::strcmp(type, "Button") == 0 ? Picture(control) : std::string();
        if (!picture.empty()) add(picture);
    }
    return text;
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

// Reads a control for the driver, inside the program where its texts and
// pictures live:
// posted kReadRequest (wParam the control, lParam the driver's thread), it
// answers kReadReply with a global atom holding "=" and the texts (at most
// 254 characters), which the driver deletes.
extern "C" __declspec(dllexport) LRESULT CALLBACK ReadHookProc(int code, WPARAM removed, LPARAM param) {
    auto* msg = reinterpret_cast<MSG*>(param);
    static const UINT request = RegisterWindowMessageA("wdriver.read.request");
    static const UINT reply = RegisterWindowMessageA("wdriver.read.reply");
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == request) {
        std::string text = Contents(reinterpret_cast<HWND>(msg->wParam));
        text.insert(text.begin(), '=');
        if (text.size() > kReplyLength) text.resize(kReplyLength);
        PostThreadMessageA(static_cast<DWORD>(msg->lParam), reply, GlobalAddAtomA(text.c_str()), 0);
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removed, param);
}
