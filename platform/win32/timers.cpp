#include "platform/win32/timers.h"

namespace forms::win32 {

namespace {

UINT_PTR IdOf(const NativeForm& native, const Timer& timer) {
    for (const auto& [id, each] : native.timers)
        if (each == &timer) return id;
    return 0;
}

}  // namespace

void StartTimers(NativeForm& native) {
    UINT_PTR next = 1;
    for (Control* control : native.form->controls())
        if (control->typeName() == "Timer") native.timers[next++] = static_cast<Timer*>(control);
    for (const auto& [id, timer] : native.timers) SyncTimer(native, *timer);
}

void SyncTimer(NativeForm& native, Timer& timer) {
    const UINT_PTR id = IdOf(native, timer);
    if (!id) return;
    KillTimer(native.window, id);
    if (timer.running()) SetTimer(native.window, id, static_cast<UINT>(timer.interval()), nullptr);
}

void StopTimers(NativeForm& native) {
    for (const auto& [id, timer] : native.timers) KillTimer(native.window, id);
}

void TimerTicked(NativeForm& native, UINT_PTR id) {
    auto it = native.timers.find(id);
    if (it != native.timers.end()) it->second->tick();
}

}  // namespace forms::win32
