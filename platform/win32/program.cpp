// The life of the program: the message pump, the clock and the end.
#include "platform/program.h"
#include "platform/win32/handles.h"
#include "platform/win32/idle.h"

namespace platform {

void DoEvents() { forms::win32::IdleStep(); }

void PumpWaitingMessages() { forms::win32::HandleWaiting(); }

std::uint32_t TickCount() { return GetTickCount(); }

void EndProgram() { ExitProcess(0); }

}  // namespace platform
