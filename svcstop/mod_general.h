#pragma once
// A window put in the topmost band where it stands.
#include "platform/types.h"

namespace nightjar::modGeneral {

// Puts the window in the topmost band where it stands, at its size.
void MakeWindowTopMost(platform::Handle hwnd);

}  // namespace nightjar::modGeneral
