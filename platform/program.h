#pragma once
// The life of the program: its entry point, the message pump, the clock and
// its end.
#include <cstdint>

namespace platform {

// Defined by the program: creates its first window. The platform calls it
// once the window system is ready and then runs the message loop.
void ProgramMain();

// One idle step: handles the window messages that are waiting; with none
// waiting, first waits a little for the next one (never for long), so that
// `while (!done) DoEvents();` neither spins nor stalls. Every wait of the
// programs is such a loop, bounded where it must end with TickCount().
void DoEvents();

// Handles the window messages that are waiting now and returns without
// waiting for another: one pass of the pump inside a handler whose caller is
// held up until it returns.
void PumpWaitingMessages();

// Milliseconds since the system started, as the tick count: wraps after
// 49.7 days, so compare differences, never values.
std::uint32_t TickCount();

// Ends the program at once, like an End statement: no further handler runs.
[[noreturn]] void EndProgram();

// Thrown by EndProgram where the process cannot simply exit (the simulation),
// so that the handlers below it unwind.
struct ProgramEnded {};

}  // namespace platform
