#pragma once
// Timer controls as system timers of their form's window, one identifier each.
#include "platform/win32/native_form.h"

namespace forms::win32 {

// Gives each Timer control of the form its identifier and starts those that run.
void StartTimers(NativeForm& native);
// Starts or stops the timer as timer.running() says.
void SyncTimer(NativeForm& native, Timer& timer);
void StopTimers(NativeForm& native);
// WM_TIMER.
void TimerTicked(NativeForm& native, UINT_PTR id);

}  // namespace forms::win32
