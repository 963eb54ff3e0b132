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

// Shell_NotifyIconA: true when the shell accepted the request. With a
// callback message the icon's mouse events reach the window as the form's
// tray events: the shell is given msg::kTrayCallback in its place, so that
// nothing else the window gets (a mouse move over it, whatever its keys)
// can be taken for the icon, also when the icon's id is 0.
bool NotifyIcon(std::uint32_t message, const NotifyIconData& data);

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;

// ShellExecuteA with no owner and the default verb. Returns the shell's
// result: greater than 32 on success.
std::intptr_t Execute(const std::string& file, const std::string& parameters, const std::string& directory,
                      int showCommand);

}  // namespace platform::shell
