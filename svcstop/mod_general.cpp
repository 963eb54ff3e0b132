#include "svcstop/mod_general.h"

#include "platform/window.h"

namespace nightjar::modGeneral {

void MakeWindowTopMost(platform::Handle hwnd) {
    namespace w = platform::window;
    w::SetWindowPos(hwnd, w::kHwndTopmost, 0, 0, 0, 0, w::kSwpNoMove | w::kSwpNoSize);
}

}  // namespace nightjar::modGeneral
