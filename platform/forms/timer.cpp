// The timer: its interval, whether it runs, and its tick.
#include "platform/forms/timer.h"

#include "platform/error.h"
#include "platform/forms/form.h"

namespace forms {

Timer::Timer(Form& form, std::string name, TimerDesign design)
    : Control(form, "Timer", std::move(name)), timerEnabled_(design.enabled), interval_(0), design_(design) {
    setInterval(design.interval);
}

bool Timer::running() const { return form().loaded() && timerEnabled_ && interval_ > 0; }

void Timer::setTimerEnabled(bool enabled) {
    if (enabled == timerEnabled_) return;
    timerEnabled_ = enabled;
    changed(Prop::Timer);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535)
        throw platform::Error(platform::kErrInvalidPropertyValue, "Invalid property value");
    interval_ = milliseconds;
    changed(Prop::Timer);
}

void Timer::tick() {
    if (!running()) return;
    Dispatch([this] {
        if (onTimer) onTimer();
    });
}

void Timer::captureDesign() {
    Control::captureDesign();
    design_ = TimerDesign{interval_, timerEnabled_};
}

void Timer::restoreDesign() {
    Control::restoreDesign();
    timerEnabled_ = design_.enabled;
    interval_ = design_.interval;
}

}  // namespace forms
