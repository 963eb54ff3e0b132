#pragma once
// The shell: the notification-area icon and handing a document or address to
// its registered program.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform::shell {

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

// NOTIFYICONDATAA in its first form, 88 bytes on 32-bit Windows.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    char szTip[64] = {};
};

// Shell_NotifyIconA: true when the shell accepted the request.
bool NotifyIcon(std::uint32_t message, const NotifyIconData& data);
// Whether a message the window got is the callback of a notification-area
// icon of its own (the icon's callback message, wParam the icon's id).
bool IsTrayCallback(Handle window, std::uint32_t message, std::uintptr_t wParam);

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;

// ShellExecuteA with no owner and the default verb. Returns the shell's
// result: greater than 32 on success.
std::intptr_t Execute(const std::string& file, const std::string& parameters,
                      const std::string& directory, int showCommand);

}  // namespace platform::shell
