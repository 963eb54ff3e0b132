#pragma once
// Starting another program.
#include <string>

namespace platform::process {

// Starts `program`, named by its full path (no folder is searched for it),
// as a new process with its window hidden and the given command line, and
// lets it run on alone: nothing waits for it or keeps a handle to it.
// Returns 0, or the Win32 error that kept it from starting (2: no such
// program).
long StartHidden(const std::string& program, const std::string& commandLine);

}  // namespace platform::process
