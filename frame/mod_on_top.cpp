// A form or window moved into the topmost band or out of it.
#include "frame/mod_on_top.h"

#include "platform/window.h"

namespace modOnTop {

void SetFormOnTop(const forms::Form& window, bool OnTop) { SetWindowOnTop(window.hwnd(), OnTop); }

void SetWindowOnTop(platform::Handle window, bool OnTop) {
    namespace w = platform::window;
    w::SetWindowPos(window, OnTop ? w::kHwndTopmost : w::kHwndNoTopmost, 0, 0, 0, 0, w::kSwpNoMove | w::kSwpNoSize);
}

}  // namespace modOnTop
