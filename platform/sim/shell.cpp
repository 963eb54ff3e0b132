// The simulated notification area and shell execute.
#include "platform/shell.h"
#include "platform/sim/sim.h"

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

std::intptr_t Execute(const std::string& file, const std::string& parameters, const std::string& directory,
                      int showCommand) {
    sim::Record(sim::ShellExecuteCall{file, parameters, directory, showCommand});
    return sim::M().shellExecuteResult;
}

}  // namespace platform::shell
