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
bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy,
                  std::uint32_t flags);

// CreateRectRgn(0, 0, width, height) followed by SetWindowRgn(window, region,
// redraw): the system owns the region afterwards. True on success.
bool SetRectRegion(Handle window, int width, int height);

inline constexpr std::uint32_t kWmSetIcon = 0x0080;
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
