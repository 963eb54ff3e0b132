// wdriver.exe: looks at and works the programs' windows for the Wine
// end-to-end run. It runs in the same desktop as the programs and only ever
// touches visible top-level windows, found by their exact caption.
//
//   wdriver <command> <arguments>
//
// The commands, their arguments and what each does are the table kCommands
// at the end of this file; run without arguments, the driver prints it.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kFindMs = 5000;
constexpr UINT kSendTimeoutMs = 5000;

struct Size {
    int width = -1, height = -1;  // -1: any
};

std::string Text(HWND window) {
    // WM_GETTEXT reaches the control itself, so edit and rich-edit controls
    // answer with their contents; a hung window cannot stall the driver.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
    std::vector<char> buffer(length + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return {};
    return std::string(buffer.data(), copied);
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Captions of controls and menu items may carry '&' for the underlined key.
std::string WithoutMnemonics(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        if (text[i] == '\t') break;  // an accelerator's name follows
        plain += text[i];
    }
    return plain;
}

bool SameCaption(const std::string& actual, const std::string& wanted) {
    return actual == wanted || WithoutMnemonics(actual) == wanted;
}

struct TopSearch {
    const std::string* title;
    Size size;
    const char* windowClass = nullptr;  // any class when null
    std::vector<HWND> found;
    bool every = false;  // all matches, not only the first
};

constexpr char kMessageBoxClass[] = "#32770";

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopSearch*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    char caption[512] = {};
    GetWindowTextA(window, caption, sizeof caption);  // a top-level window's own caption
    if (*search->title != caption) return TRUE;
    if (search->windowClass && ClassOf(window) != search->windowClass) return TRUE;
    if (search->size.width >= 0) {
        RECT outer{};
        GetWindowRect(window, &outer);
        if (outer.right - outer.left != search->size.width || outer.bottom - outer.top != search->size.height)
            return TRUE;
    }
    search->found.push_back(window);
    return search->every;
}

// When the process of the window was started; 0 when the system does not say.
ULONGLONG StartOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    FILETIME created{}, ended, kernel, user;
    if (process) {
        GetProcessTimes(process, &created, &ended, &kernel, &user);
        CloseHandle(process);
    }
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// A title ending in "#n" names the window of that caption in the n-th copy
// of the program (from 1), in the order the copies were started.
HWND FindTop(const std::string& title, Size size = {}, const char* windowClass = nullptr) {
    const auto hash = title.rfind('#');
    const bool copy = hash != std::string::npos && hash + 1 < title.size() &&
                      title.find_first_not_of("0123456789", hash + 1) == std::string::npos;
    const std::string caption = copy ? title.substr(0, hash) : title;
    TopSearch search{&caption, size, windowClass, {}, copy};
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    if (!copy) return search.found.empty() ? nullptr : search.found.front();
    std::sort(search.found.begin(), search.found.end(), [](HWND a, HWND b) { return StartOf(a) < StartOf(b); });
    const std::size_t n = std::strtoul(title.c_str() + hash + 1, nullptr, 10);
    return n >= 1 && n <= search.found.size() ? search.found[n - 1] : nullptr;
}

// Polls until `done` holds or `ms` pass; true if it held.
template <typename Condition>
bool PollFor(DWORD ms, Condition done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= ms) return false;
        Sleep(kPollMs);
    }
}

HWND AwaitTop(const std::string& title, const char* windowClass = nullptr) {
    HWND found = nullptr;
    PollFor(kFindMs, [&] { return (found = FindTop(title, {}, windowClass)) != nullptr; });
    if (!found) std::fprintf(stderr, "wdriver: no window \"%s\"\n", title.c_str());
    return found;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

// The window's own children of that window class, in the order the program
// made them (by control id).
std::vector<HWND> OfClass(HWND parent, const std::string& type) {
    std::vector<HWND> matches;
    for (HWND child : Children(parent))
        if (GetParent(child) == parent && ClassOf(child) == type) matches.push_back(child);
    std::sort(matches.begin(), matches.end(), [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
    return matches;
}

// "@Class:n" names the n-th child of that window class in the order the
// program made them (from 1); any other text, the child that reads it.
HWND NthOfClass(HWND parent, const std::string& target) {
    const auto colon = target.rfind(':');
    if (target.size() < 2 || target[0] != '@' || colon == std::string::npos) return nullptr;
    const std::vector<HWND> matches = OfClass(parent, target.substr(1, colon - 1));
    const long wanted = std::strtol(target.c_str() + colon + 1, nullptr, 10);
    return wanted >= 1 && static_cast<std::size_t>(wanted) <= matches.size() ? matches[wanted - 1] : nullptr;
}

HWND FindChild(HWND parent, const std::string& text) {
    if (!text.empty() && text[0] == '@') {
        if (HWND child = NthOfClass(parent, text)) return child;
    } else {
        for (HWND child : Children(parent))
            if (SameCaption(Text(child), text)) return child;
    }
    std::fprintf(stderr, "wdriver: no control \"%s\"\n", text.c_str());
    return nullptr;
}

// The control with the keyboard focus in the window's thread, named as a
// <target>: "@Class:n<TAB>text".
bool PrintFocus(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) {
        std::fprintf(stderr, "wdriver: no thread information (error %lu)\n", GetLastError());
        return false;
    }
    HWND focus = info.hwndFocus;
    // A control made of windows of its own (a list's header) counts as the control.
    while (focus && GetParent(focus) != top && IsChild(top, focus)) focus = GetParent(focus);
    if (!focus || !IsChild(top, focus)) {
        std::printf("none\n");
        return true;
    }
    const std::string type = ClassOf(focus);
    const std::vector<HWND> same = OfClass(top, type);
    const auto place = std::find(same.begin(), same.end(), focus) - same.begin() + 1;
    std::printf("@%s:%d\t%s\n", type.c_str(), static_cast<int>(place), Text(focus).c_str());
    return true;
}

// Hooks the window's thread with a procedure of whooks.dll, which must lie
// beside the driver: the hook runs in the window's own thread. Null when the
// library or the hook fails.
HHOOK HookThreadOf(HWND top, const char* procedure) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string library = path;
    library = library.substr(0, library.find_last_of('\\') + 1) + "whooks.dll";
    HMODULE module = LoadLibraryA(library.c_str());
    auto* proc =
        module ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, procedure))) : nullptr;
    if (!proc) {
        std::fprintf(stderr, "wdriver: cannot load %s\n", library.c_str());
        return nullptr;
    }
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // this thread gets its queue before the hook answers
    return SetWindowsHookExA(WH_GETMESSAGE, proc, module, GetWindowThreadProcessId(top, nullptr));
}

// Chooses a menu-bar item through the hook, where the window's menu can be read.
bool ChooseMenuItem(HWND top, const std::string& title, const std::string& item) {
    const UINT request = RegisterWindowMessageA("wdriver.menu.request");
    const UINT reply = RegisterWindowMessageA("wdriver.menu.reply");
    MSG msg;
    const ATOM atom = GlobalAddAtomA(item.c_str());
    HHOOK hook = HookThreadOf(top, "MenuHookProc");
    bool found = false, answered = false;
    if (hook && PostMessageA(top, request, atom, GetCurrentThreadId())) {
        answered = PollFor(kSendTimeoutMs, [&] {
            if (!PeekMessageA(&msg, nullptr, reply, reply, PM_REMOVE)) return false;
            found = msg.wParam != 0;
            return true;
        });
    }
    if (hook) UnhookWindowsHookEx(hook);
    GlobalDeleteAtom(atom);
    if (!answered)
        std::fprintf(stderr, "wdriver: \"%s\" did not answer the menu request\n", title.c_str());
    else if (!found)
        std::fprintf(stderr, "wdriver: no menu item \"%s\"\n", item.c_str());
    return found;
}

BOOL CALLBACK PaintSameThread(HWND window, LPARAM thread) {
    // A window of another thread is painted by its own thread: RDW_UPDATENOW
    // sends it WM_PAINT and waits until that is done.
    if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == static_cast<DWORD>(thread))
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return TRUE;
}

// For a screenshot: nothing of the program's is left half drawn.
void Settle(HWND top) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    EnumWindows(PaintSameThread, static_cast<LPARAM>(GetWindowThreadProcessId(top, nullptr)));
}

// A left click in the middle of a control that is no button (a label that
// reports clicks): posted, so that whatever the click opens cannot hold up
// the driver.
bool PostClick(HWND control) {
    RECT area{};
    GetClientRect(control, &area);
    const LPARAM at = MAKELPARAM(area.right / 2, area.bottom / 2);
    return PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(control, WM_LBUTTONUP, 0, at);
}

bool ParseSize(const char* text, Size* size) {
    int width = 0, height = 0;
    char tail = 0;
    if (std::sscanf(text, "%dx%d%c", &width, &height, &tail) != 2) return false;
    *size = {width, height};
    return true;
}

// Looks for the window once and says "armed", then waits for it as `wait`
// does: the caller starts the program only after that line, so a window that
// shows for a moment (a splash) comes while the watch runs.
bool WatchForTop(const std::string& title, Size size, DWORD ms) {
    const bool shown = FindTop(title, size) != nullptr;
    std::printf("armed\n");
    std::fflush(stdout);
    return shown || PollFor(ms, [&] { return FindTop(title, size) != nullptr; });
}

// Watches the window's program through the hook while the user presses Win+Z.
bool HotKeyMove(HWND top, DWORD ms) {
    const UINT request = RegisterWindowMessageA("wdriver.watch.request");
    const UINT reply = RegisterWindowMessageA("wdriver.watch.reply");
    HHOOK hook = HookThreadOf(top, "WatchHookProc");
    if (!hook || !PostMessageA(top, request, 0, GetCurrentThreadId())) {
        if (hook) UnhookWindowsHookEx(hook);
        return false;
    }
    std::printf("armed\n");
    std::fflush(stdout);
    bool hotKey = false, moved = false;
    MSG msg;
    PollFor(ms, [&] {
        while (PeekMessageA(&msg, nullptr, reply, reply, PM_REMOVE)) {
            if (msg.wParam == 1) hotKey = true;
            if (msg.wParam == 2 && hotKey) moved = true;
        }
        return moved;
    });
    UnhookWindowsHookEx(hook);
    if (!moved)
        std::fprintf(
            stderr, "wdriver: %s\n",
            hotKey ? "WM_HOTKEY came, but no mouse move to a picture box" : "no WM_HOTKEY reached the program");
    return moved;
}

// Wine's own notification area, a window of its explorer, shows each icon as
// a window of its own inside it, which calls the icon's owner back for the
// mouse messages it gets, as the shell does on Windows. The first icon's
// window, or null.
HWND FirstTrayIcon() {
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    return tray ? GetWindow(tray, GW_CHILD) : nullptr;
}

// Posts the first icon's window mouse messages at its middle; false when
// the tray shows no icon.
bool PostToFirstTrayIcon(std::initializer_list<std::pair<UINT, WPARAM>> messages) {
    HWND icon = FirstTrayIcon();
    if (!icon) return false;
    RECT area{};
    GetClientRect(icon, &area);
    const LPARAM at = MAKELPARAM(area.right / 2, area.bottom / 2);
    for (const auto& [message, keys] : messages)
        if (!PostMessageA(icon, message, keys, at)) return false;
    return true;
}

void MoveOverFirstTrayIcon() { PostToFirstTrayIcon({{WM_MOUSEMOVE, 0}}); }

// A right click on the first icon, given to the icon's window itself: no
// window standing over the tray can take it.
bool RightClickFirstTrayIcon() {
    if (PostToFirstTrayIcon({{WM_RBUTTONDOWN, MK_RBUTTON}, {WM_RBUTTONUP, 0}})) return true;
    std::fprintf(stderr, "wdriver: the tray shows no icon\n");
    return false;
}

// The icon's next callback as the hook saw it: the icon's id, its window and
// the mouse message it carried.
struct TrayCallback {
    UINT id = 0;
    HWND window = nullptr;
    UINT mouse = 0;
};

// Watches the window's program through the hook for its icon's next callback.
bool AwaitTrayCallback(HWND top, DWORD ms, TrayCallback* callback) {
    const UINT request = RegisterWindowMessageA("wdriver.tray.request");
    const UINT armed = RegisterWindowMessageA("wdriver.tray.armed");
    const UINT reply = RegisterWindowMessageA("wdriver.tray.reply");
    const UINT mouse = RegisterWindowMessageA("wdriver.tray.mouse");
    HHOOK hook = HookThreadOf(top, "TrayHookProc");
    MSG msg;
    bool watching = false, called = false;
    if (hook && PostMessageA(top, request, 0, GetCurrentThreadId()))
        PollFor(kSendTimeoutMs, [&] {
            if (!PeekMessageA(&msg, nullptr, armed, armed, PM_REMOVE)) return false;
            watching = msg.wParam != 0;
            return true;
        });
    if (watching) {
        std::printf("armed\n");
        std::fflush(stdout);
        // Besides the pointer the user moves, the tray's icon is told of a
        // mouse move every quarter second or so: a motion of the X pointer can
        // be lost on a busy machine.
        int polls = 0;
        called = PollFor(ms, [&] {
            if (polls++ % 12 == 0) MoveOverFirstTrayIcon();
            if (PeekMessageA(&msg, nullptr, mouse, mouse, PM_REMOVE)) callback->mouse = static_cast<UINT>(msg.wParam);
            return PeekMessageA(&msg, nullptr, reply, reply, PM_REMOVE) != FALSE;
        });
    }
    if (hook) UnhookWindowsHookEx(hook);
    if (!called) {
        std::fprintf(stderr, "wdriver: %s\n", watching ? "no callback of the icon came" : "the hook did not watch");
        return false;
    }
    callback->id = static_cast<UINT>(msg.wParam);
    callback->window = reinterpret_cast<HWND>(msg.lParam);
    return true;
}

// The pop-up menu that is open, or null.
HWND OpenPopupMenu() {
    HWND menu = nullptr;
    while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr)
        if (IsWindowVisible(menu)) return menu;
    return nullptr;
}

// The pointer passing over the icon: a mouse-move callback reaches the
// program, and for kAbsentMs after it, while the tray's icon is told of more
// moves, no pop-up menu opens.
bool TrayMoveOpensNothing(HWND top, DWORD ms) {
    constexpr DWORD kAbsentMs = 3000;
    TrayCallback callback;
    if (!AwaitTrayCallback(top, ms, &callback)) return false;
    if (callback.mouse != WM_MOUSEMOVE) {
        std::fprintf(stderr, "wdriver: the icon's callback carried 0x%X, not a mouse move\n", callback.mouse);
        return false;
    }
    int polls = 0;
    const bool opened = PollFor(kAbsentMs, [&] {
        if (polls++ % 12 == 0) MoveOverFirstTrayIcon();
        return OpenPopupMenu() != nullptr;
    });
    if (opened) std::fprintf(stderr, "wdriver: a pop-up menu opened\n");
    return !opened;
}

// Learns the icon's id through the hook from the icon's next callback, then
// deletes the icon the way the program's own removal does.
bool ForgetTrayIcon(HWND top, DWORD ms) {
    TrayCallback callback;
    if (!AwaitTrayCallback(top, ms, &callback)) return false;
    NOTIFYICONDATAA icon;
    std::memset(&icon, 0, sizeof icon);
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = callback.window;
    icon.uID = callback.id;
    std::printf("icon %u\n", icon.uID);
    if (Shell_NotifyIconA(NIM_DELETE, &icon)) return true;
    std::fprintf(stderr, "wdriver: the shell kept icon %u\n", icon.uID);
    return false;
}

// Asks a hook of whooks.dll inside the program about a control: posts the
// window "wdriver.<what>.request" (wParam the control, lParam this thread)
// and prints the global atom of the reply, after its marker.
bool AskAboutControl(HWND top, HWND control, const std::string& what, const char* procedure) {
    const UINT request = RegisterWindowMessageA(("wdriver." + what + ".request").c_str());
    const UINT reply = RegisterWindowMessageA(("wdriver." + what + ".reply").c_str());
    HHOOK hook = HookThreadOf(top, procedure);
    ATOM atom = 0;
    bool answered = false;
    MSG msg;
    if (hook && PostMessageA(top, request, reinterpret_cast<WPARAM>(control), GetCurrentThreadId())) {
        answered = PollFor(kSendTimeoutMs, [&] {
            if (!PeekMessageA(&msg, nullptr, reply, reply, PM_REMOVE)) return false;
            atom = static_cast<ATOM>(msg.wParam);
            return true;
        });
    }
    if (hook) UnhookWindowsHookEx(hook);
    if (!answered || !atom) {
        std::fprintf(stderr, "wdriver: the program did not answer the %s request\n", what.c_str());
        return false;
    }
    char text[256] = {};
    GlobalGetAtomNameA(atom, text, sizeof text);
    GlobalDeleteAtom(atom);
    std::printf("%s", text + 1);  // after the marker that keeps the atom's name from being empty
    return true;
}

// The texts of a control as the program itself reads them, through the
// hook: every part of a status bar, every item of a list box, a line each.
bool ReadControl(HWND top, HWND control) { return AskAboutControl(top, control, "read", "ReadHookProc"); }

// The tool tip the form's tooltip control holds for the control.
bool ReadToolTip(HWND top, HWND control) { return AskAboutControl(top, control, "tip", "TipHookProc"); }

// The tooltip control that `top` owns and that shows; null when none does.
HWND ShownToolTip(HWND top) {
    HWND tips = nullptr;
    while ((tips = FindWindowExA(nullptr, tips, "tooltips_class32", nullptr)) != nullptr)
        if (GetWindow(tips, GW_OWNER) == top && IsWindowVisible(tips)) return tips;
    return nullptr;
}

// The user's pointer comes to rest on a control: a tooltip of the window
// shows within ms; prints its text.
bool AwaitShownToolTip(HWND top, DWORD ms) {
    HWND tips = nullptr;
    if (!PollFor(ms, [&] { return (tips = ShownToolTip(top)) != nullptr; })) {
        std::fprintf(stderr, "wdriver: no tooltip of the window shows\n");
        return false;
    }
    std::printf("%s\n", Text(tips).c_str());
    return true;
}

// The user picking an item of a list box: the selection, then the list's
// notification to its window.
bool SelectItem(HWND list, int index) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result) ||
        static_cast<LRESULT>(result) != index)
        return false;
    const WPARAM notification = MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE);
    return PostMessageA(GetParent(list), WM_COMMAND, notification, reinterpret_cast<LPARAM>(list)) != FALSE;
}

// The program's open pop-up menu: the user goes down to its n-th item and
// presses Enter. The menu's own loop takes the keys from its thread's queue.
bool ChoosePopupItem(int position) {
    HWND menu = nullptr;
    PollFor(kFindMs, [&] { return (menu = OpenPopupMenu()) != nullptr; });
    if (!menu) {
        std::fprintf(stderr, "wdriver: no pop-up menu is open\n");
        return false;
    }
    for (int i = 0; i < position; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
    return PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1) != FALSE;
}

// Windows ending the session: asks the window, then tells it the session ends.
bool EndSession(HWND top) {
    DWORD_PTR agreed = 0, ignored = 0;
    if (!SendMessageTimeoutA(top, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &agreed) || !agreed)
        return false;
    // The program may end inside the call: its answer does not matter.
    SendMessageTimeoutA(top, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    return true;
}

// Tries to register Win+Z for this thread and lets it go again at once.
int HotKey(const std::string& wanted) {
    if (wanted != "taken" && wanted != "free") return 2;
    constexpr int kId = 0x5A;
    const bool registered = RegisterHotKey(nullptr, kId, MOD_WIN, 'Z') != 0;
    const DWORD error = registered ? 0 : GetLastError();
    if (registered) UnregisterHotKey(nullptr, kId);
    const bool asWanted = wanted == "free" ? registered : error == ERROR_HOTKEY_ALREADY_REGISTERED;
    if (!asWanted) std::fprintf(stderr, "wdriver: registering Win+Z here gave error %lu\n", error);
    return asWanted ? 0 : 1;
}

BOOL CALLBACK PrintTop(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    char caption[512] = {};
    GetWindowTextA(window, caption, sizeof caption);
    RECT outer{};
    GetWindowRect(window, &outer);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    std::printf("%s\t%s\t%ldx%ld\tpid %lu\n", ClassOf(window).c_str(), caption, outer.right - outer.left,
                outer.bottom - outer.top, pid);
    return TRUE;
}

int List() {
    EnumWindows(PrintTop, 0);
    return 0;
}

// Wine's own notification area shows each icon as a window inside it.
int TrayIcons() {
    int shown = 0;
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    if (tray && IsWindowVisible(tray))
        for (HWND icon = GetWindow(tray, GW_CHILD); icon; icon = GetWindow(icon, GW_HWNDNEXT))
            if (IsWindowVisible(icon)) ++shown;
    std::printf("%d\n", shown);
    return 0;
}

// The process that keeps the desktop window: Wine's explorer.
DWORD DesktopProcess() {
    DWORD pid = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &pid);
    return pid;
}

DWORD WINAPI HoldForever(void*) {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}

// Wine ends its desktop process, and with it every window on the desktop,
// once it counts no thread of another program left on the desktop; while one
// of the desktop process's own threads ends, it counts that thread as still
// the desktop's, and so takes a program that runs on a single thread for
// none. On Windows the desktop lasts as long as the session: the run keeps it
// so by holding it with two threads of its own, which no thread of the
// desktop process's ending can make look like none.
int Hold() {
    const DWORD desktop = DesktopProcess();  // joins the desktop, which starts Wine's explorer
    HANDLE second = CreateThread(nullptr, 0, HoldForever, nullptr, 0, nullptr);
    if (!desktop || !second) {
        std::fprintf(stderr, "wdriver: the desktop cannot be held (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("holding %lu\n", desktop);
    std::fflush(stdout);
    WaitForSingleObject(second, INFINITE);
    return 0;
}

// --- the commands -----------------------------------------------------------

// A command's arguments after its name; for a command that acts on a window,
// the window's <title> comes first.
using Arguments = std::vector<std::string>;

int Status(bool done) { return done ? 0 : 1; }

DWORD Milliseconds(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 10); }

// The <title> <ms> [WxH] of the commands that wait for a window.
struct Awaited {
    std::string title;
    DWORD ms = 0;
    Size size;
};

// False when the size does not read as one.
bool ReadAwaited(const Arguments& arguments, Awaited* awaited) {
    awaited->title = arguments[0];
    awaited->ms = Milliseconds(arguments[1]);
    return arguments.size() < 3 || ParseSize(arguments[2].c_str(), &awaited->size);
}

bool Shows(const Awaited& awaited) { return FindTop(awaited.title, awaited.size) != nullptr; }

int Wait(HWND, const Arguments& arguments) {
    Awaited awaited;
    if (!ReadAwaited(arguments, &awaited)) return 2;
    return Status(PollFor(awaited.ms, [&] { return Shows(awaited); }));
}

int Watch(HWND, const Arguments& arguments) {
    Awaited awaited;
    if (!ReadAwaited(arguments, &awaited)) return 2;
    return Status(WatchForTop(awaited.title, awaited.size, awaited.ms));
}

int Gone(HWND, const Arguments& arguments) {
    Awaited awaited;
    if (!ReadAwaited(arguments, &awaited)) return 2;
    return Status(PollFor(awaited.ms, [&] { return !Shows(awaited); }));
}

int Absent(HWND, const Arguments& arguments) {
    Awaited awaited;
    if (!ReadAwaited(arguments, &awaited)) return 2;
    return Status(!PollFor(awaited.ms, [&] { return Shows(awaited); }));
}

// A control's text on one line of the driver's output.
std::string OnOneLine(std::string text, bool tabs) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || (tabs && c == '\t')) c = ' ';
    return text;
}

// A message box shows its text in the static control 0xFFFF.
int Message(HWND top, const Arguments&) {
    std::printf("%s\n", OnOneLine(Text(GetDlgItem(top, 0xFFFF)), false).c_str());
    return 0;
}

int Answer(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    return Status(control && PostMessageA(top, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                                          reinterpret_cast<LPARAM>(control)));
}

int Click(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    if (!control) return 1;
    if (ClassOf(control) != "Button") return Status(PostClick(control));
    DWORD_PTR result = 0;
    return Status(SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result));
}

int Push(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    return Status(control && PostMessageA(control, BM_CLICK, 0, 0));
}

int Checked(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    DWORD_PTR result = 0;
    if (!control || !SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        return 1;
    std::printf("%lu\n", static_cast<unsigned long>(result));
    return 0;
}

int Texts(HWND top, const Arguments&) {
    for (HWND child : Children(top))
        std::printf("%s\t%s\n", ClassOf(child).c_str(), OnOneLine(Text(child), true).c_str());
    return 0;
}

// Sets the text of the edit named by the second argument to the third.
bool SetEditText(HWND top, const Arguments& arguments, HWND* edit) {
    DWORD_PTR result = 0;
    *edit = FindChild(top, arguments[1]);
    return *edit && SendMessageTimeoutA(*edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arguments[2].c_str()),
                                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

int Type(HWND top, const Arguments& arguments) {
    HWND edit = nullptr;
    return Status(SetEditText(top, arguments, &edit));
}

int Enter(HWND top, const Arguments& arguments) {
    HWND edit = nullptr;
    return Status(SetEditText(top, arguments, &edit) && PostMessageA(edit, WM_CHAR, '\r', 1));
}

int Select(HWND top, const Arguments& arguments) {
    HWND list = FindChild(top, arguments[1]);
    return Status(list && SelectItem(list, std::atoi(arguments[2].c_str())));
}

int Read(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    return Status(control && ReadControl(top, control));
}

int Tip(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    return Status(control && ReadToolTip(top, control));
}

int Centre(HWND top, const Arguments& arguments) {
    HWND control = FindChild(top, arguments[1]);
    RECT area{};
    if (!control || !GetWindowRect(control, &area)) return 1;
    std::printf("%ld %ld\n", (area.left + area.right) / 2, (area.top + area.bottom) / 2);
    return 0;
}

int Broadcast(HWND, const Arguments& arguments) {
    const UINT message = RegisterWindowMessageA(arguments[0].c_str());
    return message ? Status(PostMessageA(HWND_BROADCAST, message, 0, 0)) : 2;
}

// What a command needs found before it runs: the window of its <title>,
// given up to kFindMs to show, or a message box of that title.
enum class Needs { nothing, window, messageBox };

struct Command {
    const char* name;
    const char* synopsis;     // its arguments
    const char* help;         // what it does, a line each
    std::size_t least, most;  // how many arguments it takes
    Needs needs;
    int (*run)(HWND top, const Arguments& arguments);  // 0 done or true, 1 not so, 2 misuse
};

// Every command the driver takes; the usage is printed from this table.
constexpr Command kCommands[] = {
    {"wait", "<title> <ms> [WxH]", "0 once such a window shows (WxH: its outer size)", 2, 3, Needs::nothing, Wait},
    {"watch", "<title> <ms> [WxH]",
     "as wait, printing \"armed\" once its first look is done:\n"
     "a program started after that line cannot show the window before the watch looks",
     2, 3, Needs::nothing, Watch},
    {"gone", "<title> <ms> [WxH]", "0 once no such window shows", 2, 3, Needs::nothing, Gone},
    {"absent", "<title> <ms> [WxH]", "0 if none shows within ms", 2, 3, Needs::nothing, Absent},
    {"click", "<title> <text>",
     "clicks the child with that text (BM_CLICK on a button, a posted left click on anything else)", 2, 2,
     Needs::window, Click},
    {"enter", "<title> <text> <new>", "sets the edit reading <text> to <new>, then presses Enter in it", 3, 3,
     Needs::window, Enter},
    {"push", "<title> <text>", "BM_CLICK on that child, posted: returns before the click's handler ends", 2, 2,
     Needs::window, Push},
    {"message", "<title>", "prints the text of the message box with that title", 1, 1, Needs::messageBox, Message},
    {"answer", "<title> <text>", "clicks that button of the message box with that title", 2, 2, Needs::messageBox,
     Answer},
    {"checked", "<title> <text>", "prints the check state of that child (0/1/2)", 2, 2, Needs::window, Checked},
    {"texts", "<title>", "prints \"class<TAB>text\" for every child", 1, 1, Needs::window, Texts},
    {"menu", "<title> <item>", "chooses that item of the menu bar (hook)", 2, 2, Needs::window,
     [](HWND top, const Arguments& arguments) { return Status(ChooseMenuItem(top, arguments[0], arguments[1])); }},
    {"close", "<title>", "posts WM_CLOSE", 1, 1, Needs::window,
     [](HWND top, const Arguments&) { return Status(PostMessageA(top, WM_CLOSE, 0, 0)); }},
    {"settle", "<title>", "returns once all its program's windows are painted", 1, 1, Needs::window,
     [](HWND top, const Arguments&) {
         Settle(top);
         return 0;
     }},
    {"list", "", "prints every visible top-level window", 0, 0, Needs::nothing,
     [](HWND, const Arguments&) { return List(); }},
    {"hold", "",
     "stays on the desktop with two threads until ended;\n"
     "prints \"holding <pid>\", the desktop's process id",
     0, 0, Needs::nothing, [](HWND, const Arguments&) { return Hold(); }},
    {"desktop", "", "prints the id of the process that keeps the desktop", 0, 0, Needs::nothing,
     [](HWND, const Arguments&) {
         std::printf("%lu\n", DesktopProcess());
         return 0;
     }},
    {"hotkey", "taken|free",
     "0 when Win+Z is so: taken when registering it here fails with 1409, free when it succeeds", 1, 1, Needs::nothing,
     [](HWND, const Arguments& arguments) { return HotKey(arguments[0]); }},
    {"type", "<title> <target> <text>", "sets the edit's text, as typing it does", 3, 3, Needs::window, Type},
    {"select", "<title> <target> <n>", "selects item n (from 0) of the list box, as a click does", 3, 3, Needs::window,
     Select},
    {"read", "<title> <target>",
     "prints a status bar's parts or a list box's items, a line each, or a control's text and,\n"
     "for a button holding a picture, \"picture WxH colour|grey\" (hook)",
     2, 2, Needs::window, Read},
    {"tip", "<title> <target>",
     "prints the tool tip the window's tooltip control holds for that child and a line end,\n"
     "nothing when it holds none (hook)",
     2, 2, Needs::window, Tip},
    {"centre", "<title> <target>", "prints \"x y\", the middle of that child on the screen", 2, 2, Needs::window,
     Centre},
    {"shown-tip", "<title> <ms>",
     "prints the text of a tooltip of that window's once one shows (the pointer resting on a control)", 2, 2,
     Needs::window,
     [](HWND top, const Arguments& arguments) { return Status(AwaitShownToolTip(top, Milliseconds(arguments[1]))); }},
    {"popup", "<n>", "in the pop-up menu that is open, goes down to item n (from 1) and presses Enter", 1, 1,
     Needs::nothing,
     [](HWND, const Arguments& arguments) { return Status(ChoosePopupItem(std::atoi(arguments[0].c_str()))); }},
    {"endsession", "<title>", "WM_QUERYENDSESSION, then WM_ENDSESSION, as a log-off", 1, 1, Needs::window,
     [](HWND top, const Arguments&) { return Status(EndSession(top)); }},
    {"focus", "<title>",
     "prints \"@Class:n<TAB>text\" of the child with the keyboard focus in its program's thread,\n"
     "\"none\" when no child has it",
     1, 1, Needs::window, [](HWND top, const Arguments&) { return Status(PrintFocus(top)); }},
    {"trayicons", "", "prints how many icons Wine's notification area shows", 0, 0, Needs::nothing,
     [](HWND, const Arguments&) { return TrayIcons(); }},
    {"trayforget", "<title> <ms>",
     "learns the id of the window's notification-area icon from its next callback (hook; prints\n"
     "\"armed\" when watching, then the mouse must come over the icon within ms) and takes the icon\n"
     "away, as a taskbar that ends does",
     2, 2, Needs::window,
     [](HWND top, const Arguments& arguments) { return Status(ForgetTrayIcon(top, Milliseconds(arguments[1]))); }},
    {"traymove", "<title> <ms>",
     "0 when a mouse-move callback of the window's notification-area icon reaches it within ms\n"
     "(hook; prints \"armed\" when watching) and no pop-up menu opens in the 3 s after it, the icon\n"
     "told of moves meanwhile",
     2, 2, Needs::window,
     [](HWND top, const Arguments& arguments) {
         return Status(TrayMoveOpensNothing(top, Milliseconds(arguments[1])));
     }},
    {"trayclick", "",
     "a right click on the first icon of Wine's notification area, posted to the icon's own window,\n"
     "which calls the icon's owner back as for the pointer's click",
     0, 0, Needs::nothing, [](HWND, const Arguments&) { return Status(RightClickFirstTrayIcon()); }},
    {"broadcast", "<name>", "posts every top-level window the message registered by that name (\"TaskbarCreated\")", 1,
     1, Needs::nothing, Broadcast},
    {"hotkeymove", "<title> <ms>",
     "0 once the window's program, after a WM_HOTKEY, posts a picture box a plain mouse move (hook);\n"
     "prints \"armed\" when watching, then the user's Win+Z must come within ms",
     2, 2, Needs::window,
     [](HWND top, const Arguments& arguments) { return Status(HotKeyMove(top, Milliseconds(arguments[1]))); }},
};

int Usage() {
    std::fprintf(stderr, "usage: wdriver <command> <arguments>\n");
    for (const Command& command : kCommands) {
        std::fprintf(stderr, "  %s%s%s\n", command.name, *command.synopsis ? " " : "", command.synopsis);
        for (const char* line = command.help; *line;) {
            const std::size_t length = std::strcspn(line, "\n");
            std::fprintf(stderr, "        %.*s\n", static_cast<int>(length), line);
            line += length + (line[length] == '\n');
        }
    }
    std::fprintf(stderr,
                 "A <target> is a child's text, or \"@Class:n\": the n-th child of that window class in the\n"
                 "order the program made them. A <title> ending in \"#n\" names the window of that caption in\n"
                 "the n-th copy of its program, in the order the copies started. The commands that act on a\n"
                 "window give it up to %lu s to show first. (hook): the command looks inside the program\n"
                 "through the hook library beside the driver.\n"
                 "Exit status: 0 done or true, 1 not so (timed out, no such window), 2 misuse.\n",
                 static_cast<unsigned long>(kFindMs / 1000));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command& command) { return argv[1] == std::string(command.name); });
    const Arguments arguments(argv + 2, argv + argc);
    if (found == std::end(kCommands) || arguments.size() < found->least || arguments.size() > found->most)
        return Usage();
    HWND top = nullptr;
    if (found->needs != Needs::nothing) {
        top = AwaitTop(arguments[0], found->needs == Needs::messageBox ? kMessageBoxClass : nullptr);
        if (!top) return 1;
    }
    const int status = found->run(top, arguments);
    return status == 2 ? Usage() : status;
}
