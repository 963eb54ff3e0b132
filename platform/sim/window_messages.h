#pragma once
// Window owners, icon resources and the messages sent to windows directly.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sim {

struct SentMessage {
    platform::Handle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

struct WindowMessages {
    // Owned windows and their owners.
    std::map<platform::Handle, platform::Handle> owners;
    // The program's icon resources.
    std::set<std::string> iconResources{"AAA", "APPICON", "FORM1ICON", "LOGO"};
    std::vector<SentMessage> sent;
};

// The handle LoadSharedIcon gives for an icon resource at a size.
platform::Handle SharedIcon(const std::string& resourceName, int width);

}  // namespace sim
