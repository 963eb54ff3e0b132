// The registry of module-global resets, and the run of them all at a new process's start.
#include "platform/process_globals.h"

#include <vector>

namespace platform {

namespace {

// Built on first use: the globals register while the program's statics start.
std::vector<std::function<void()>>& Resets() {
    static std::vector<std::function<void()>> resets;
    return resets;
}

}  // namespace

ResetAtStart::ResetAtStart(std::function<void()> reset) { Resets().push_back(std::move(reset)); }

void ResetModuleGlobals() {
    for (const auto& reset : Resets()) reset();
}

}  // namespace platform
