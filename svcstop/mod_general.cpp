// A window put in the topmost band where it stands.
#include "svcstop/mod_general.h"

#include "frame/mod_on_top.h"

namespace nightjar::modGeneral {

void MakeWindowTopMost(platform::Handle hwnd) { modOnTop::SetWindowOnTop(hwnd, true); }

}  // namespace nightjar::modGeneral
