#pragma once
// The programs the simulated machine was asked to start.
#include <string>
#include <vector>

namespace sim {

struct ProcessStarts {
    // Every start the program asked for, in order, those that failed too:
    // the program as named, and its command line.
    std::vector<std::string> programs;
    std::vector<std::string> commandLines;
    // Every start fails with this Win32 error when it is set; a program that
    // is not on the machine's file system fails with 2 or 3.
    long failure = 0;
};

// The machine's record (M().processStarts).
ProcessStarts& Starts();

}  // namespace sim
