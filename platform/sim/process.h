#pragma once
// The programs the simulated machine was asked to start.
#include <string>
#include <vector>

namespace sim {

struct ProcessStarts {
    // Every command line the program asked to start, in order, those that failed too.
    std::vector<std::string> commandLines;
    // Every start fails with this Win32 error when it is set (2: no such program).
    long failure = 0;
};

// The machine's record (M().processStarts).
ProcessStarts& Starts();

}  // namespace sim
