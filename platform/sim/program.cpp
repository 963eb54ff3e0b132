// The life of the simulated program: the idle step as DoEvents, the virtual
// clock, the end.
#include "platform/program.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_hang.h"

namespace platform {

// A loop `while (!done) DoEvents();` whose flag nothing can set any more
// would spin for ever: the second DoEvents in a row that finds nothing to do
// throws sim::Hang. A program that watches the clock between its calls is
// waiting for time to pass, which then does, up to the cap.
void DoEvents() {
    auto& p = sim::P();
    if (p.ended) return;
    if (sim::IdleStep("DoEvents", true) != sim::Step::Idle) {
        p.idleStrikes = 0;
        return;
    }
    if (p.clockRead) {
        p.clockRead = false;
        p.idleStrikes = 0;
        auto& m = sim::M();
        if (m.now + sim::kIdleWaitMs > sim::kTimeCap)
            throw sim::Hang{"DoEvents waits on the clock past the ten minutes a test may take"};
        m.now += sim::kIdleWaitMs;
        return;
    }
    if (++p.idleStrikes >= 2)
        throw sim::Hang{"DoEvents waits in a loop and nothing can happen: no message, no user action, no timer"};
}

// What is queued, or else a user action the script holds, or else a timer
// already due: the clock does not move, and finding nothing is no wait.
void PumpWaitingMessages() {
    auto& p = sim::P();
    if (p.ended) return;
    if (sim::IdleStep("PumpWaitingMessages", true, sim::M().now) != sim::Step::Idle) p.idleStrikes = 0;
}

std::uint32_t TickCount() {
    sim::P().clockRead = true;
    return static_cast<std::uint32_t>(sim::M().now);
}

void EndProgram() {
    sim::P().ended = true;
    throw ProgramEnded{};
}

}  // namespace platform
