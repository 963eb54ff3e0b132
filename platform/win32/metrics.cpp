// Twips and pixels at the screen's resolution, the mouse's buttons and shift keys, and colours,
// in Win32 terms.
#include "platform/win32/metrics.h"

#include "platform/forms/form.h"

#include <cmath>

namespace forms::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int DpiX() {
    static const int dpi = ScreenDpi(LOGPIXELSX);
    return dpi;
}

int DpiY() {
    static const int dpi = ScreenDpi(LOGPIXELSY);
    return dpi;
}

}  // namespace

int PixelsX(int twips) { return MulDiv(twips, DpiX(), kTwipsPerInch); }
int PixelsY(int twips) { return MulDiv(twips, DpiY(), kTwipsPerInch); }
float TwipsX(int pixels) { return static_cast<float>(pixels) * kTwipsPerInch / DpiX(); }
float TwipsY(int pixels) { return static_cast<float>(pixels) * kTwipsPerInch / DpiY(); }

int FontPixels(double points) { return static_cast<int>(std::lround(points * DpiY() / 72.0)); }

int MouseButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) | ((keys & MK_MBUTTON) ? 4 : 0);
}

int ShiftKeys(WPARAM keys) {
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

COLORREF ColorRef(std::uint32_t color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace forms::win32
