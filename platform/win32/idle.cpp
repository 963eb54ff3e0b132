// The one idle step of every wait on Windows: the waiting messages handed out, each to the dialog
// keys first, after a bounded wait for the next.
#include "platform/win32/idle.h"

#include <windows.h>

#include "platform/win32/forms_backend_keys.h"

namespace forms::win32 {

namespace {

// The longest a wait sleeps without a message: a loop that also watches the
// clock sees it often enough, and none spins.
constexpr DWORD kIdleWaitMs = 10;

}  // namespace

bool IdleStep() {
    MsgWaitForMultipleObjectsEx(0, nullptr, kIdleWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return HandleWaiting();
}

bool HandleWaiting() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The outer loop must still see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (DialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace forms::win32
