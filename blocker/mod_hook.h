#pragma once
// The Win+Z hot key: registered for the main window, whose window procedure
// this module subclasses so that the hot key's message reaches it first. Each
// press posts a plain mouse move to a target window (the main window's
// hidden picture box), whose handler reacts to it.
#include <cstdint>

#include "platform/types.h"

namespace windhover::modHook {

inline constexpr int kHotkeyId = 0;
inline constexpr std::uint32_t kKeyZ = 90;

// Registers Win+Z for `window` and subclasses it; posts go to `target`.
// Failures are not reported: with Win+Z held by another program the hot key
// does nothing and the subclass is installed all the same.
void HookHotkey(platform::Handle window, platform::Handle target);
// Releases the hot key and gives the window its own procedure back.
void UnhookHotkey();
// The subclass: WM_HOTKEY posts the mouse move, WM_NCDESTROY unhooks, and
// every message goes on to the window's own procedure.
std::intptr_t WndProc(platform::Handle hwnd, std::uint32_t uMsg, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace windhover::modHook
