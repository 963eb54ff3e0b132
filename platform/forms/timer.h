#pragma once
// The timer: an interval in milliseconds and a tick while it is enabled.
#include <functional>

#include "platform/forms/control.h"

namespace forms {

struct TimerDesign {
    int interval = 0;  // milliseconds
    bool enabled = true;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name, TimerDesign design = {});
    bool timerEnabled() const { return timerEnabled_; }
    void setTimerEnabled(bool enabled);
    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    // The backend's tick; runs onTimer through the dispatcher.
    void tick();
    std::function<void()> onTimer;
    // Runs while the form is loaded, enabled, with an interval above 0.
    bool running() const;

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    bool timerEnabled_;
    int interval_;
    TimerDesign design_;
};

}  // namespace forms
