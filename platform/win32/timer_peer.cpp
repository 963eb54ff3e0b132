// The timer: a system timer of its form's window, with an identifier of its
// own; WM_TIMER reaches it through the form.
#include "platform/forms/timer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

class TimerPeer final : public Peer {
public:
    TimerPeer(NativeForm& native, Timer& timer) : native_(native), timer_(timer), id_(native.nextTimerId++) {
        native_.timers[id_] = &timer_;
        sync();
    }
    ~TimerPeer() override {
        KillTimer(native_.window, id_);
        native_.timers.erase(id_);
    }
    void changed(Prop prop) override {
        if (prop == Prop::Timer) sync();
    }

private:
    // Starts or stops the timer as timer.running() says.
    void sync() {
        KillTimer(native_.window, id_);
        if (timer_.running()) SetTimer(native_.window, id_, static_cast<UINT>(timer_.interval()), nullptr);
    }
    NativeForm& native_;
    Timer& timer_;
    UINT_PTR id_;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(Timer& control) { return std::make_unique<TimerPeer>(native, control); }

}  // namespace forms::win32
