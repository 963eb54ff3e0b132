#include "platform/sim/process.h"
#include "platform/sim/sim.h"

#include "platform/process.h"

namespace sim {

ProcessStarts& Starts() { return M().processStarts; }

}  // namespace sim

namespace platform::process {

long StartHidden(const std::string& commandLine) {
    sim::Starts().commandLines.push_back(commandLine);
    return sim::Starts().failure;
}

}  // namespace platform::process
