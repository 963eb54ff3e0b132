#pragma once
// The main window's icon in the notification area. Its mouse events come back
// to the window as tray mouse-move events, whose X forms::TrayMouseMessage
// reads as the mouse message.
#include <cstdint>
#include <string>

#include "platform/forms/form.h"
#include "platform/shell.h"

namespace modTaskbar {

inline constexpr std::uint32_t kCallbackMessage = 0x200;  // WM_MOUSEMOVE
inline constexpr std::uint32_t kRecordSize = 88;          // NOTIFYICONDATAA, first form

// True when the shell took the icon. Until it is removed, the icon is added
// again whenever the taskbar starts anew (the shell's "TaskbarCreated"
// broadcast reaching the window).
bool AddTrayIcon(forms::Form& window, std::uint32_t id, platform::Handle picture, const std::string& tip);
// Removes the icon with this id from the window the last addition named.
void RemoveTrayIcon(std::uint32_t id);
// Whether the shell holds the icon, as far as the last addition or removal
// tells.
bool Shown();

// The record the last call left, kept for the life of the process.
const platform::shell::NotifyIconData& Record();

}  // namespace modTaskbar
