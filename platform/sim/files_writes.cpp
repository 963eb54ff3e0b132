// File writes on the simulated file system, with the failures a test stages.
#include "platform/files.h"
#include "platform/sim/sim.h"
#include "platform/types.h"

namespace sim {

namespace {

std::string Folder(const std::string& path) {
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// Why a write to the path cannot start, or 0.
long Refusal(const std::string& path) {
    const Machine& m = M();
    if (long refused = NameRefusal(path)) return refused;
    if (!Reachable(m.files, path)) return platform::kErrorPathNotFound;
    if (!IsFolder(m.files, Folder(path))) return platform::kErrorPathNotFound;
    for (const std::string& folder : m.writeFaults.unwritableFolders)
        if (Fold(Folder(path)) == Fold(folder)) return platform::kErrorAccessDenied;
    const File* existing = m.files.file(path);
    if (existing && (existing->attributes & (platform::files::kReadOnly | platform::files::kDirectory)))
        return platform::kErrorAccessDenied;
    return platform::kErrorSuccess;
}

// Whether the disk takes the bytes before it is full; consumes a one-off fault.
bool Fits(std::size_t wanted) {
    auto& faults = M().writeFaults;
    if (faults.diskRoom && wanted > *faults.diskRoom) return false;
    auto& fault = faults.diskFullAfter;
    if (!fault) return true;
    const bool fits = wanted <= *fault;
    fault.reset();
    return fits;
}

}  // namespace

}  // namespace sim

namespace platform::files {

long WriteBeside(const std::string& path, const std::string& bytes, std::string* beside) {
    if (long refused = sim::Refusal(path)) return refused;
    auto& fs = sim::M().files;
    sim::WriteMeanwhile(fs, path);
    const sim::File* existing = fs.file(path);
    const std::uint32_t kept = existing ? existing->attributes & (kHidden | kSystem | kArchive) : 0;
    for (std::uint32_t n = 0; n < kBesideNames; ++n) {
        const std::string name = BesideName(path, fs.firstBesideNumber + n);
        if (sim::Fold(name) == sim::Fold(path) || fs.exists(name)) continue;
        if (long refused = sim::Refusal(name)) return refused;
        // A short write leaves nothing beside.
        if (!sim::Fits(bytes.size())) return kErrorDiskFull;
        fs.addFile(name, bytes, kept ? kept : kArchive);
        *beside = name;
        return kErrorSuccess;
    }
    return kErrorFileExists;
}

long PutInPlace(const std::string& beside, const std::string& path) {
    auto& fs = sim::M().files;
    const sim::File* moved = fs.file(beside);
    if (!moved) return kErrorFileNotFound;
    long result = sim::NameRefusal(path);
    const sim::File* existing = fs.file(path);
    if (!result && existing && (existing->attributes & (kReadOnly | kDirectory))) result = kErrorAccessDenied;
    if (!result) {
        const sim::File file = *moved;
        fs.addFile(path, file.contents, file.attributes);
    }
    fs.entries.erase(sim::Fold(beside));
    return result;
}

void RemoveBeside(const std::string& beside) { sim::M().files.entries.erase(sim::Fold(beside)); }

long CreateNewFile(const std::string& path, const std::string& bytes) {
    if (long refused = sim::NameRefusal(path)) return refused;
    if (!sim::Reachable(sim::M().files, path)) return kErrorPathNotFound;
    sim::WriteMeanwhile(sim::M().files, path);
    if (sim::M().files.exists(path)) return kErrorFileExists;
    if (long refused = sim::Refusal(path)) return refused;
    if (!sim::Fits(bytes.size())) return kErrorDiskFull;
    sim::M().files.addFile(path, bytes, files::kArchive);
    return kErrorSuccess;
}

}  // namespace platform::files
