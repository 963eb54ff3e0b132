// Window-manager calls on raw window handles.
#include "platform/window.h"

#include "platform/win32/handles.h"

namespace platform::window {

using win32::To;

bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) {
    return ::SetWindowPos(To<HWND>(window), To<HWND>(insertAfter), x, y, cx, cy, flags) != FALSE;
}

bool SetRectRegion(Handle window, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (!region) return false;
    if (SetWindowRgn(To<HWND>(window), region, TRUE)) return true;
    // The system takes the region only when the call succeeds.
    DeleteObject(region);
    return false;
}

int TwipsPerPixelX() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return 1440 / (dpi > 0 ? dpi : 96);
}

}  // namespace platform::window
