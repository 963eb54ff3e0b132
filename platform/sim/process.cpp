// Starting another program on the simulated machine: each start is recorded (process_starts.h)
// and fails as Windows fails it for a program that is not there.
#include "platform/sim/process_starts.h"
#include "platform/sim/sim.h"

#include "platform/files.h"
#include "platform/process.h"

namespace sim {

ProcessStarts& Starts() { return M().processStarts; }

}  // namespace sim

namespace platform::process {

long StartHidden(const std::string& program, const std::string& commandLine) {
    sim::Starts().programs.push_back(program);
    sim::Starts().commandLines.push_back(commandLine);
    if (sim::Starts().failure) return sim::Starts().failure;
    // The program is taken as named: no folder is searched for it.
    const sim::FileSystem& fs = sim::M().files;
    if (const sim::File* file = fs.file(program))
        return file->attributes & files::kDirectory ? kErrorAccessDenied : kErrorSuccess;
    const auto cut = program.find_last_of('\\');
    return cut != std::string::npos && sim::IsFolder(fs, program.substr(0, cut)) ? kErrorFileNotFound
                                                                                 : kErrorPathNotFound;
}

}  // namespace platform::process
