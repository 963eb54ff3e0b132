#pragma once
// The life of the program: its entry point, the message pump and its end.

namespace platform {

// Defined by the program: creates its first window. The platform calls it
// once the window system is ready and then runs the message loop.
void ProgramMain();

// Handles the window messages that are waiting, then returns.
void DoEvents();

// Ends the program at once, like an End statement: no further handler runs.
[[noreturn]] void EndProgram();

// Thrown by EndProgram where the process cannot simply exit (the simulation),
// so that the handlers below it unwind.
struct ProgramEnded {};

}  // namespace platform
