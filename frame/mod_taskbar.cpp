#include "frame/mod_taskbar.h"

#include <algorithm>
#include <cstring>

#include "platform/process_globals.h"

namespace modTaskbar {

namespace {
platform::shell::NotifyIconData record;
const platform::ResetAtStart resetRecord([] { record = platform::shell::NotifyIconData{}; });
}  // namespace

const platform::shell::NotifyIconData& Record() { return record; }

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
    return platform::shell::NotifyIcon(platform::shell::kNimAdd, record);
}

void RemoveTrayIcon(std::uint32_t id) {
    record.uID = id;
    platform::shell::NotifyIcon(platform::shell::kNimDelete, record);
}

}  // namespace modTaskbar
