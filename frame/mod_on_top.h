#pragma once
// A form or window moved into the topmost band or out of it.
#include "platform/forms/form.h"

namespace modOnTop {
// Moves the window into the topmost band, or out of it, without moving or sizing it.
void SetFormOnTop(const forms::Form& window, bool OnTop);
// The same for a bare window handle.
void SetWindowOnTop(platform::Handle window, bool OnTop);
}  // namespace modOnTop
