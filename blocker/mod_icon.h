#pragma once
// Gives a window its large and small icons from an icon resource of the program.
#include <string>

#include "platform/types.h"

namespace windhover::modIcon {

// With SetOnOwner, the window at the end of the owner chain gets each icon
// just before the window itself.
void SetIcon(platform::Handle hWnd, const std::string& ResourceName, bool SetOnOwner);

}  // namespace windhover::modIcon
