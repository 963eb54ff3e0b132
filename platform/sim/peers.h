#pragma once
// The simulated forms backend's side of a loaded form: its window record and
// its controls' peers.
#include <map>

#include "platform/forms/form.h"
#include "platform/sim/sim.h"

namespace sim {

class ControlPeer;
class TimerPeer;

struct FormWindow {
    forms::Form* form = nullptr;
    Handle window = 0;
    // The controls' windows, for WM_COMMAND, and the timers, for WM_TIMER.
    std::map<Handle, ControlPeer*> children;
    std::map<std::uintptr_t, TimerPeer*> timers;
    std::uintptr_t nextTimer = 1;
};

// A control with a window record of its own (a child of the form's), or
// none for a kind without a window.
class ControlPeer : public forms::Peer {
public:
    ControlPeer(FormWindow& form, forms::Control& control, bool hasWindow = true);
    ~ControlPeer() override;
    Handle handle() const override { return window_; }
    void changed(forms::Prop prop) override;
    // WM_COMMAND from the control, with its notification code.
    virtual void command(int code) { (void)code; }

protected:
    FormWindow& form_;
    forms::Control& control_;
    Handle window_ = 0;
};

// A Timer control as a timer of its form's window.
class TimerPeer final : public forms::Peer {
public:
    TimerPeer(FormWindow& form, forms::Timer& timer);
    ~TimerPeer() override;
    void changed(forms::Prop prop) override;
    void tick();

private:
    FormWindow& form_;
    forms::Timer& timer_;
    std::uintptr_t id_;
};

class Peers final : public forms::PeerFactory {
public:
    explicit Peers(FormWindow& form) : form(form) {}
    FORMS_CONTROL_KINDS(FORMS_OVERRIDE_MAKE)
    FormWindow& form;
};

}  // namespace sim
