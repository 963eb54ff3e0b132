// The Win+Z hot key and the main window's subclass that takes its message.
#include "blocker/mod_hook.h"

#include "platform/messages.h"
#include "platform/process_globals.h"
#include "platform/window.h"

namespace windhover::modHook {

namespace {

namespace window = platform::window;

struct Hook {
    platform::Handle HookedWnd = 0;
    platform::Handle HotkeyTarget = 0;
    window::ProcedureRef PrevWndProc = 0;
};
Hook G;
const platform::ResetAtStart resetHook([] { G = {}; });

}  // namespace

void HookHotkey(platform::Handle window, platform::Handle target) {
    // A second subclass over the first would make the window's own
    // procedure this one, which then calls itself for ever.
    if (G.PrevWndProc) UnhookHotkey();
    G.HookedWnd = window;
    G.HotkeyTarget = target;
    window::RegisterHotKey(window, kHotkeyId, window::kModWin, kKeyZ);
    G.PrevWndProc = window::SubclassWindow(window, WndProc);
}

void UnhookHotkey() {
    if (!G.HookedWnd) return;
    window::UnregisterHotKey(G.HookedWnd, kHotkeyId);
    // Without a subclass in place there is no procedure to give back, and a
    // null one would leave the window without any.
    if (G.PrevWndProc) window::RestoreProcedure(G.HookedWnd, G.PrevWndProc);
    G = {};
}

std::intptr_t WndProc(platform::Handle hwnd, std::uint32_t uMsg, std::uintptr_t wParam, std::intptr_t lParam) {
    // Taken first: unhooking forgets it.
    const window::ProcedureRef previous = G.PrevWndProc;
    if (uMsg == platform::msg::kNcDestroy)
        UnhookHotkey();
    else if (uMsg == platform::msg::kHotKey)
        window::Post(G.HotkeyTarget, platform::msg::kMouseMove, 0, 0);
    return window::CallProcedure(previous, hwnd, uMsg, wParam, lParam);
}

}  // namespace windhover::modHook
