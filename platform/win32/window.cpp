// Window-manager calls on raw window handles.
#include "platform/window.h"

#include <map>

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
    return win32::From(
        LoadImageA(GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_ICON, width, height, LR_SHARED));
}

std::uint32_t RegisterMessage(const std::string& name) { return RegisterWindowMessageA(name.c_str()); }

std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return SendMessageA(To<HWND>(window), message, wParam, lParam);
}

namespace {

long Result(BOOL done) { return done ? static_cast<long>(ERROR_SUCCESS) : static_cast<long>(GetLastError()); }

// The program's own procedures, by window. The system calls one stdcall
// entry for all of them, which finds the window's.
std::map<HWND, Procedure>& Subclassed() {
    static std::map<HWND, Procedure> procedures;
    return procedures;
}

LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Subclassed().find(window);
    if (found == Subclassed().end()) return DefWindowProcA(window, message, wParam, lParam);
    const Procedure procedure = found->second;
    // The window's last message: its handle may be reused once it is gone.
    if (message == WM_NCDESTROY) Subclassed().erase(found);
    return procedure(win32::From(window), message, wParam, lParam);
}

}  // namespace

long RegisterHotKey(Handle window, int id, std::uint32_t modifiers, std::uint32_t key) {
    return Result(::RegisterHotKey(To<HWND>(window), id, modifiers, key));
}

long UnregisterHotKey(Handle window, int id) { return Result(::UnregisterHotKey(To<HWND>(window), id)); }

ProcedureRef SubclassWindow(Handle window, Procedure procedure) {
    HWND native = To<HWND>(window);
    if (!procedure || !IsWindow(native)) return 0;
    Subclassed()[native] = procedure;
    const LONG_PTR replaced = SetWindowLongPtrA(native, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass));
    if (!replaced) Subclassed().erase(native);
    return static_cast<ProcedureRef>(replaced);
}

ProcedureRef RestoreProcedure(Handle window, ProcedureRef procedure) {
    HWND native = To<HWND>(window);
    if (!procedure || !IsWindow(native)) return 0;
    const LONG_PTR replaced = SetWindowLongPtrA(native, GWLP_WNDPROC, static_cast<LONG_PTR>(procedure));
    if (replaced == reinterpret_cast<LONG_PTR>(Subclass)) Subclassed().erase(native);
    return static_cast<ProcedureRef>(replaced);
}

std::intptr_t CallProcedure(ProcedureRef procedure, Handle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    if (!procedure) return 0;
    return CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), To<HWND>(window), message, wParam, lParam);
}

bool Post(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostMessageA(To<HWND>(window), message, wParam, lParam) != FALSE;
}

}  // namespace platform::window
