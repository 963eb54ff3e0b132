// Window owners, system metrics, shared icons and sent messages.
#include <iterator>

#include "platform/sim/sim.h"
#include "platform/window.h"

namespace sim {

platform::Handle SharedIcon(const std::string& resourceName, int width) {
    const auto& names = M().windowMessages.iconResources;
    auto it = names.find(resourceName);
    if (it == names.end()) return 0;
    return 0x30000 + static_cast<platform::Handle>(std::distance(names.begin(), it)) * 0x1000 +
           static_cast<platform::Handle>(width);
}

}  // namespace sim

namespace platform::window {

Handle Owner(Handle window) {
    const auto& owners = sim::M().windowMessages.owners;
    auto it = owners.find(window);
    return it == owners.end() ? 0 : it->second;
}

int SystemMetric(int index) {
    switch (index) {
        case kSmCxIcon:
        case kSmCyIcon:
            return 32;
        case kSmCxSmIcon:
        case kSmCySmIcon:
            return 16;
        default:
            return 0;
    }
}

Handle LoadSharedIcon(const std::string& resourceName, int width, int height) {
    return width == height ? sim::SharedIcon(resourceName, width) : 0;
}

std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    sim::M().windowMessages.sent.push_back(sim::SentMessage{window, message, wParam, lParam});
    return 0;
}

}  // namespace platform::window
