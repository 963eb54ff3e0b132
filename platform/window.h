#pragma once
// Window-manager calls the programs make on window handles directly.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform::window {

inline constexpr Handle kHwndTopmost = static_cast<Handle>(-1);
inline constexpr Handle kHwndNoTopmost = static_cast<Handle>(-2);

inline constexpr std::uint32_t kSwpNoSize = 0x0001;
inline constexpr std::uint32_t kSwpNoMove = 0x0002;

// SetWindowPos: true on success (false for a handle that is not a window).
bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy, std::uint32_t flags);

// CreateRectRgn(0, 0, width, height) followed by SetWindowRgn(window, region,
// redraw): the system owns the region afterwards. True on success.
bool SetRectRegion(Handle window, int width, int height);

// ---- System-wide hot keys ----------------------------------------------------

// Modifier flags of a hot key.
inline constexpr std::uint32_t kModAlt = 0x0001;
inline constexpr std::uint32_t kModControl = 0x0002;
inline constexpr std::uint32_t kModShift = 0x0004;
inline constexpr std::uint32_t kModWin = 0x0008;

// RegisterHotKey: the key with those modifiers, pressed anywhere, sends
// WM_HOTKEY with `id` to the window. 0 on success, else the last error:
// kErrorHotkeyAlreadyRegistered when this or another program holds the key.
long RegisterHotKey(Handle window, int id, std::uint32_t modifiers, std::uint32_t key);
// UnregisterHotKey: 0 on success, else the last error
// (kErrorHotkeyNotRegistered when the window holds no hot key `id`).
long UnregisterHotKey(Handle window, int id);

// ---- Window procedures and messages ----------------------------------------------

// A window procedure of the program's own: the window, the message and its
// two parameters; the result is the message's, as wide as a pointer.
using Procedure = std::intptr_t (*)(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
// A window procedure as the system holds it, pointer-wide; 0 is none.
using ProcedureRef = std::uintptr_t;

// SetWindowLongPtrA(GWLP_WNDPROC): makes `procedure` the window's procedure
// and returns the one it replaces, which the procedure passes messages on to
// with CallProcedure; 0 when the window cannot be subclassed. One procedure
// of the program's own per window at a time.
ProcedureRef SubclassWindow(Handle window, Procedure procedure);
// SetWindowLongPtrA(GWLP_WNDPROC) with a procedure SubclassWindow returned:
// the window gets it back. Returns the one it replaces; 0 on failure.
ProcedureRef RestoreProcedure(Handle window, ProcedureRef procedure);
// CallWindowProcA: runs that procedure with the message and returns its result.
std::intptr_t CallProcedure(ProcedureRef procedure, Handle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam);

// RegisterWindowMessageA: the number of the message with that name, the same
// for every program of the session (the shell broadcasts "TaskbarCreated"
// when the taskbar starts again). 0 on failure.
std::uint32_t RegisterMessage(const std::string& name);

// PostMessageA: queues the message for the window's thread. True on success.
bool Post(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

// ---- Owners, icons and sent messages ----------------------------------------------

// WM_SETICON's wParam (platform::msg::kSetIcon).
inline constexpr std::uintptr_t kIconSmall = 0;
inline constexpr std::uintptr_t kIconBig = 1;

inline constexpr int kSmCxIcon = 11;
inline constexpr int kSmCyIcon = 12;
inline constexpr int kSmCxSmIcon = 49;
inline constexpr int kSmCySmIcon = 50;

// GetWindow with GW_OWNER: the window's owner, 0 when it has none.
Handle Owner(Handle window);
// GetSystemMetrics.
int SystemMetric(int index);
// LoadImageA of an icon resource of the program at that size, shared
// (LR_SHARED: the system owns it). 0 when the program has no such icon.
Handle LoadSharedIcon(const std::string& resourceName, int width, int height);
// SendMessageA.
std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace platform::window
