// The shell: the notification-area icon and ShellExecute.
#include "platform/shell.h"

#include <cstring>
#include <map>

#include "platform/win32/handles.h"

namespace platform::shell {

using win32::To;

namespace {

// The icons the program has in the notification area, with their callback
// messages, by window and id.
std::map<std::pair<HWND, UINT>, UINT>& Icons() {
    static std::map<std::pair<HWND, UINT>, UINT> icons;
    return icons;
}

void Remember(std::uint32_t message, const NotifyIconData& data) {
    const auto key = std::make_pair(To<HWND>(data.hWnd), static_cast<UINT>(data.uID));
    if (message == kNimDelete)
        Icons().erase(key);
    else if (data.uFlags & kNifMessage)
        Icons()[key] = data.uCallbackMessage;
}

}  // namespace

bool IsTrayCallback(Handle window, std::uint32_t message, std::uintptr_t wParam) {
    const auto icon = Icons().find({To<HWND>(window), static_cast<UINT>(wParam)});
    return icon != Icons().end() && wParam <= 0xFFFFFFFFu && icon->second == message;
}

bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    // The first form of the record: every shell since Windows 95 accepts it.
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = To<HWND>(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = To<HICON>(data.hIcon);
    std::memcpy(record.szTip, data.szTip, sizeof data.szTip);
    record.szTip[sizeof data.szTip - 1] = '\0';
    const bool done = Shell_NotifyIconA(message, &record) != FALSE;
    if (done) Remember(message, data);
    return done;
}

std::intptr_t Execute(const std::string& file, const std::string& parameters, const std::string& directory,
                      int showCommand) {
    const char* arguments = parameters.empty() ? nullptr : parameters.c_str();
    const char* folder = directory.empty() ? nullptr : directory.c_str();
    HINSTANCE result = ShellExecuteA(nullptr, nullptr, file.c_str(), arguments, folder, showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace platform::shell
