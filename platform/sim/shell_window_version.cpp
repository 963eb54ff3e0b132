// The simulated shell, window manager and version information.
#include "platform/shell.h"
#include "platform/sim/sim.h"
#include "platform/version.h"
#include "platform/window.h"

namespace platform::shell {

bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    auto& m = sim::M();
    m.trayCalls.emplace_back(message, data);
    if (!m.trayAvailable) return false;
    const auto key = std::make_pair(data.hWnd, data.uID);
    switch (message) {
        case kNimAdd:
            if (m.trayIcons.count(key) || !m.windows.count(data.hWnd)) return false;
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

std::intptr_t Execute(const std::string& file, const std::string& parameters, const std::string& directory,
                      int showCommand) {
    auto& m = sim::M();
    m.shellExecutes.push_back(sim::ShellExecuteRecord{file, parameters, directory, showCommand});
    return m.shellExecuteResult;
}

}  // namespace platform::shell

namespace platform::window {

bool SetWindowPos(Handle window, Handle insertAfter, int, int, int, int, std::uint32_t flags) {
    auto& m = sim::M();
    m.setWindowPosCalls.push_back(sim::SetWindowPosRecord{window, insertAfter, flags});
    if (!m.windows.count(window)) return false;
    if (insertAfter == kHwndTopmost) m.topmost.insert(window);
    if (insertAfter == kHwndNoTopmost) m.topmost.erase(window);
    return true;
}

bool SetRectRegion(Handle window, int width, int height) {
    auto& m = sim::M();
    if (!m.windows.count(window)) return false;
    m.regions[window] = {width, height};
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
