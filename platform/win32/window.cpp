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

Handle Owner(Handle window) { return win32::From(GetWindow(To<HWND>(window), GW_OWNER)); }

int SystemMetric(int index) { return GetSystemMetrics(index); }

Handle LoadSharedIcon(const std::string& resourceName, int width, int height) {
    return win32::From(LoadImageA(GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_ICON, width, height, LR_SHARED));
}

std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return SendMessageA(To<HWND>(window), message, wParam, lParam);
}

}  // namespace platform::window
