#pragma once
// The one idle step of every wait on Windows (DoEvents, the modal loop).

namespace forms::win32 {

// Handles the messages that are waiting, each offered to the dialog keys
// first; with none, first waits for the next one, a bounded while. False once WM_QUIT came, which is posted again for
// the outer loop.
bool IdleStep();

// Handles the messages that are waiting and returns at once. False once
// WM_QUIT came, which is posted again for the outer loop.
bool HandleWaiting();

}  // namespace forms::win32
