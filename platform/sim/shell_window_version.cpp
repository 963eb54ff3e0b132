// The simulated shell, window manager and version information.
#include "platform/shell.h"
#include "platform/sim/sim.h"
#include "platform/version.h"
#include "platform/window.h"

namespace platform::shell {

namespace {

bool Notify(std::uint32_t message, const NotifyIconData& data) {
    auto& m = sim::M();
    if (!m.trayAvailable) return false;
    const auto key = std::make_pair(data.hWnd, data.uID);
    switch (message) {
        case kNimAdd:
            if (m.trayIcons.count(key) || !sim::FindWindow(data.hWnd)) return false;
            m.trayIcons[key] = data;
            return true;
        case kNimModify:
            if (!m.trayIcons.count(key)) return false;
            m.trayIcons[key] = data;
            return true;
        case kNimDelete:
            return m.trayIcons.erase(key) != 0;
        default:
            return false;
    }
}

}  // namespace

bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    const bool result = Notify(message, data);
    sim::Record(sim::TrayCall{message, data, result});
    return result;
}

bool IsTrayCallback(Handle window, std::uint32_t message, std::uintptr_t wParam) {
    const auto icon = sim::M().trayIcons.find({window, static_cast<std::uint32_t>(wParam)});
    return icon != sim::M().trayIcons.end() && wParam <= 0xFFFFFFFFu && icon->second.uCallbackMessage == message;
}

std::intptr_t Execute(const std::string& file, const std::string& parameters, const std::string& directory,
                      int showCommand) {
    sim::Record(sim::ShellExecuteCall{file, parameters, directory, showCommand});
    return sim::M().shellExecuteResult;
}

}  // namespace platform::shell

namespace platform::window {

bool SetWindowPos(Handle window, Handle insertAfter, int, int, int, int, std::uint32_t flags) {
    sim::Window* record = sim::FindWindow(window);
    sim::Record(sim::SetWindowPosCall{window, insertAfter, flags, record != nullptr});
    if (!record) return false;
    if (insertAfter == kHwndTopmost) record->topmost = true;
    if (insertAfter == kHwndNoTopmost) record->topmost = false;
    return true;
}

bool SetRectRegion(Handle window, int width, int height) {
    sim::Window* record = sim::FindWindow(window);
    if (!record) return false;
    record->region = std::make_pair(width, height);
    return true;
}

}  // namespace platform::window

namespace platform::version {

ProductVersion OwnVersion() { return sim::M().ownVersion; }

int GetVersionEx(OsVersionInfo* info) {
    auto& m = sim::M();
    ++m.getVersionExCalls;
    if (!info || (info->size != kOsVersionInfoSize && info->size != kOsVersionInfoExSize)) return 0;
    if (!m.os) return 0;
    const std::uint32_t size = info->size;
    OsVersionInfo staged = *m.os;
    if (size == kOsVersionInfoSize) {
        staged.servicePackMajor = info->servicePackMajor;
        staged.servicePackMinor = info->servicePackMinor;
        staged.suiteMask = info->suiteMask;
        staged.productType = info->productType;
        staged.reserved = info->reserved;
    }
    *info = staged;
    info->size = size;
    return 1;
}

}  // namespace platform::version
