#include "platform/sim/process_start.h"

#include "platform/process.h"

namespace sim {

namespace {
ProcessStarts starts;
}

ProcessStarts& Starts() { return starts; }

void ResetProcessStarts() { starts = ProcessStarts{}; }

}  // namespace sim

namespace platform::process {

long StartHidden(const std::string& commandLine) {
    sim::Starts().commandLines.push_back(commandLine);
    return sim::Starts().failure;
}

}  // namespace platform::process
