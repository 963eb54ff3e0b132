#pragma once
// Starting another program.
#include <string>

namespace platform::process {

// Starts the command line as a new process with its window hidden, and lets
// it run on alone: nothing waits for it or keeps a handle to it. Returns 0,
// or the Win32 error that kept it from starting (2: no such program).
long StartHidden(const std::string& commandLine);

}  // namespace platform::process
