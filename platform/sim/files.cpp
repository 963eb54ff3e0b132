// The simulated file system: its folders and files, name lookups and
// attributes, and the file calls of files.h on top of it.
#include "platform/files.h"

#include "platform/sim/sim.h"
#include "platform/text_fold.h"
#include "platform/types.h"

namespace sim {

namespace {

std::string Parent(const std::string& path) {
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string LastPart(const std::string& path) {
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

void FileSystem::addFolder(const std::string& path, std::uint32_t attributes) {
    std::string folder = path;
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) return;  // a drive
    addFolder(Parent(folder));
    File& entry = entries[Fold(folder)];
    entry.name = LastPart(folder);
    entry.attributes = attributes | platform::files::kDirectory;
}

void FileSystem::addFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
    addFolder(Parent(path));
    entries[Fold(path)] = File{LastPart(path), attributes, contents};
}

bool FileSystem::exists(const std::string& path) const { return entries.count(Fold(path)) != 0; }

const File* FileSystem::file(const std::string& path) const {
    auto it = entries.find(Fold(path));
    return it == entries.end() ? nullptr : &it->second;
}

// Win32 wildcard match of one name, without regard to case.
static bool Matches(const char* pattern, const char* name) {
    for (; *pattern; ++pattern) {
        if (*pattern == '*') {
            for (const char* rest = name;; ++rest) {
                if (Matches(pattern + 1, rest)) return true;
                if (!*rest) return false;
            }
        }
        if (!*name) return false;
        if (*pattern != '?' && platform::FoldedByte(*pattern) != platform::FoldedByte(*name)) return false;
        ++name;
    }
    return *name == '\0';
}

bool Reachable(const FileSystem& fs, const std::string& path) {
    for (const std::string& root : fs.unreachable)
        if (Fold(path).rfind(Fold(root), 0) == 0) return false;
    return true;
}

long NameRefusal(const std::string& path) {
    constexpr std::size_t kLongestPath = 260;
    return path.size() > kLongestPath ? platform::kErrorFilenameExcedRange : platform::kErrorSuccess;
}

void WriteMeanwhile(FileSystem& fs, const std::string& path) {
    auto it = fs.writtenMeanwhile.find(Fold(path));
    if (it == fs.writtenMeanwhile.end() || it->second.empty()) return;
    const File* existing = fs.file(path);
    fs.addFile(path, it->second.front(), existing ? existing->attributes : platform::files::kArchive);
    it->second.pop_front();
}

bool IsFolder(const FileSystem& fs, const std::string& folder) {
    if (folder.size() == 2 && folder[1] == ':') return true;  // a drive
    const File* entry = fs.file(folder);
    return entry && (entry->attributes & platform::files::kDirectory);
}

long FindIn(const FileSystem& fs, const std::string& pattern,
            const std::function<bool(const platform::files::FindData&)>& visit) {
    if (long refused = NameRefusal(pattern)) return refused;
    if (pattern.find_first_of("\"<>|") != std::string::npos) return platform::kErrorInvalidName;
    if (!Reachable(fs, pattern)) return platform::kErrorPathNotFound;
    const std::string folder = Parent(pattern);
    const std::string name = LastPart(pattern);
    if (!IsFolder(fs, folder)) return platform::kErrorPathNotFound;
    if (name.empty()) return platform::kErrorFileNotFound;
    const std::string prefix = Fold(folder) + "\\";
    bool found = false;
    // Every folder but a drive's root lists itself and its parent first.
    if (folder.size() != 2 || folder[1] != ':') {
        const File* parent = fs.file(Parent(folder));
        const std::pair<const char*, std::uint32_t> links[] = {
            {".", fs.file(folder)->attributes},
            {"..", parent ? parent->attributes : platform::files::kDirectory},
        };
        for (const auto& [link, attributes] : links) {
            if (!Matches(name.c_str(), link)) continue;
            found = true;
            if (!visit(platform::files::FindData{link, attributes})) return platform::kErrorSuccess;
        }
    }
    for (const auto& [key, entry] : fs.entries) {
        if (key.compare(0, prefix.size(), prefix) != 0) continue;
        if (key.find('\\', prefix.size()) != std::string::npos) continue;  // deeper down
        if (!Matches(name.c_str(), entry.name.c_str())) continue;
        found = true;
        if (!visit(platform::files::FindData{entry.name, entry.attributes})) break;
    }
    return found ? platform::kErrorSuccess : platform::kErrorFileNotFound;
}

}  // namespace sim

namespace platform::files {

std::string ProgramFolder() { return sim::M().files.programFolder; }

std::string ExecutableName() { return sim::M().files.executableName; }

std::string SystemFolder() { return sim::M().files.systemFolder; }

long FindFiles(const std::string& pattern, const std::function<bool(const FindData&)>& visit) {
    return sim::FindIn(sim::M().files, pattern, visit);
}

long ReadFile(const std::string& path, std::string* contents) {
    const auto& fs = sim::M().files;
    if (long refused = sim::NameRefusal(path)) return refused;
    if (!sim::Reachable(fs, path)) return kErrorPathNotFound;
    const sim::File* entry = fs.file(path);
    if (!entry) {
        const auto cut = path.find_last_of('\\');
        const bool folderThere = cut != std::string::npos && sim::IsFolder(fs, path.substr(0, cut));
        return folderThere ? kErrorFileNotFound : kErrorPathNotFound;
    }
    if (entry->attributes & kDirectory) return kErrorAccessDenied;
    if (fs.locked.count(sim::Fold(path))) return kErrorSharingViolation;
    *contents = entry->contents;
    return kErrorSuccess;
}

}  // namespace platform::files
