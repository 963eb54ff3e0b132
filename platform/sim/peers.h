#pragma once
// The simulated forms backend's side of a loaded form: its window record and
// its controls' peers.
#include <functional>
#include <map>
#include <string>

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
    // The window of the control with the keyboard focus, 0 for none.
    Handle focus = 0;
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
    // A message to the control's own window.
    virtual std::intptr_t message(const Message& message) {
        (void)message;
        return 0;
    }

protected:
    FormWindow& form_;
    forms::Control& control_;
    Handle window_ = 0;
};

// A list control's native items in its window record: every item afresh,
// `text` giving the one at an index from 0, or one item.
void MirrorItems(Handle window, int count, const std::function<std::string(int)>& text);
void MirrorItem(Handle window, forms::ItemChange change, int index, const std::string& text);

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

// A mouse message's arguments as a mouse event takes them: the button and
// shift flags from its key flags (MK_LBUTTON 1, MK_RBUTTON 2, MK_SHIFT 4,
// MK_CONTROL 8, MK_MBUTTON 0x10) and the position in twips.
struct MouseArguments {
    int button;
    int shift;
    float x;
    float y;
};
inline MouseArguments MouseOf(const Message& message) {
    const std::uintptr_t keys = message.wParam;
    const auto twips = [](std::intptr_t pixels) {
        return static_cast<float>(static_cast<std::int16_t>(pixels & 0xFFFF)) * 15.0f;
    };
    return {(keys & 1 ? 1 : 0) | (keys & 2 ? 2 : 0) | (keys & 0x10 ? 4 : 0), (keys & 4 ? 1 : 0) | (keys & 8 ? 2 : 0),
            twips(message.lParam), twips(message.lParam >> 16)};
}

class Peers final : public forms::PeerFactory {
public:
    explicit Peers(FormWindow& form) : form(form) {}
    FORMS_CONTROL_KINDS(FORMS_OVERRIDE_MAKE)
    FormWindow& form;
};

}  // namespace sim
