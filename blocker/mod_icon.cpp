// A window's large and small icons from an icon resource of the program.
#include "blocker/mod_icon.h"

#include "platform/messages.h"
#include "platform/window.h"

namespace windhover::modIcon {

void SetIcon(platform::Handle hWnd, const std::string& ResourceName, bool SetOnOwner) {
    namespace w = platform::window;
    platform::Handle top = hWnd;
    if (SetOnOwner)
        for (platform::Handle owner = w::Owner(hWnd); owner != 0; owner = w::Owner(owner)) top = owner;
    const struct {
        int width, height;
        std::uintptr_t which;
    } kSizes[] = {
        {w::kSmCxIcon, w::kSmCyIcon, w::kIconBig},
        {w::kSmCxSmIcon, w::kSmCySmIcon, w::kIconSmall},
    };
    for (const auto& size : kSizes) {
        const platform::Handle icon =
            w::LoadSharedIcon(ResourceName, w::SystemMetric(size.width), w::SystemMetric(size.height));
        const auto lParam = static_cast<std::intptr_t>(icon);
        if (SetOnOwner) w::Send(top, platform::msg::kSetIcon, size.which, lParam);
        w::Send(hWnd, platform::msg::kSetIcon, size.which, lParam);
    }
}

}  // namespace windhover::modIcon
