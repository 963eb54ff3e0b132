// The main window's icon in the notification area.
#include "frame/mod_taskbar.h"

#include <algorithm>
#include <cstring>

#include "platform/process_globals.h"

namespace modTaskbar {

namespace {

platform::shell::NotifyIconData record;
// The icon was added and not removed since, and whether the shell holds it.
bool wanted = false;
bool shown = false;
const platform::ResetAtStart resetRecord([] {
    record = platform::shell::NotifyIconData{};
    wanted = false;
    shown = false;
});

// A taskbar that starts again (Explorer restarted) has lost every icon and
// says so with this broadcast; the icon is added again from the record.
const char* const kTaskbarCreated = "TaskbarCreated";

void AddAgain() {
    if (wanted) shown = platform::shell::NotifyIcon(platform::shell::kNimAdd, record);
}

}  // namespace

const platform::shell::NotifyIconData& Record() { return record; }

bool Shown() { return shown; }

bool AddTrayIcon(forms::Form& window, std::uint32_t id, platform::Handle picture, const std::string& tip) {
    record.cbSize = kRecordSize;
    record.hWnd = window.hwnd();
    record.uID = id;
    record.uFlags = platform::shell::kNifMessage | platform::shell::kNifIcon | platform::shell::kNifTip;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = picture;
    // The tip, its NUL, and blanks to the end of the field; a longer tip is cut
    // so that the NUL always fits.
    std::memset(record.szTip, ' ', sizeof record.szTip);
    const std::size_t length = std::min(tip.size(), sizeof record.szTip - 1);
    std::memcpy(record.szTip, tip.data(), length);
    record.szTip[length] = '\0';
    wanted = true;
    window.onRegisteredMessage[kTaskbarCreated] = AddAgain;
    shown = platform::shell::NotifyIcon(platform::shell::kNimAdd, record);
    return shown;
}

void RemoveTrayIcon(std::uint32_t id) {
    record.uID = id;
    wanted = false;
    shown = false;
    platform::shell::NotifyIcon(platform::shell::kNimDelete, record);
}

}  // namespace modTaskbar
