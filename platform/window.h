#pragma once
// Window-manager calls the programs make on window handles directly.
#include <cstdint>

#include "platform/types.h"

namespace platform::window {

inline constexpr Handle kHwndTopmost = static_cast<Handle>(-1);
inline constexpr Handle kHwndNoTopmost = static_cast<Handle>(-2);

inline constexpr std::uint32_t kSwpNoSize = 0x0001;
inline constexpr std::uint32_t kSwpNoMove = 0x0002;

// SetWindowPos: true on success (false for a handle that is not a window).
bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy,
                  std::uint32_t flags);

// The screen's twips per pixel across, as a whole number (15 at 96 dots per inch).
int TwipsPerPixelX();

// CreateRectRgn(0, 0, width, height) followed by SetWindowRgn(window, region,
// redraw): the system owns the region afterwards. True on success.
bool SetRectRegion(Handle window, int width, int height);

}  // namespace platform::window
