// The shell: the notification-area icon and ShellExecute.
#include "platform/shell.h"

#include <cstring>

#include "platform/messages.h"
#include "platform/win32/handles.h"

namespace platform::shell {

using win32::To;

bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    // The first form of the record: every shell since Windows 95 accepts it.
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = To<HWND>(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    if (data.uFlags & kNifMessage) record.uCallbackMessage = msg::kTrayCallback;
    record.hIcon = To<HICON>(data.hIcon);
    std::memcpy(record.szTip, data.szTip, sizeof data.szTip);
    record.szTip[sizeof data.szTip - 1] = '\0';
    return Shell_NotifyIconA(message, &record) != FALSE;
}

std::intptr_t Execute(const std::string& file, const std::string& parameters, const std::string& directory,
                      int showCommand) {
    const char* arguments = parameters.empty() ? nullptr : parameters.c_str();
    const char* folder = directory.empty() ? nullptr : directory.c_str();
    HINSTANCE result = ShellExecuteA(nullptr, nullptr, file.c_str(), arguments, folder, showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace platform::shell
