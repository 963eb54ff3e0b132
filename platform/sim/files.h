#pragma once
// The simulated file system: files and folders with their attributes, the
// lookups it cannot reach, files other programs hold, and the writes it
// refuses or breaks off.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/files.h"

namespace sim {

struct File {
    std::string name;  // as stored
    std::uint32_t attributes = platform::files::kArchive;
    std::string contents;
};

class FileSystem {
public:
    // Adds a file, creating its folders.
    void addFile(const std::string& path, const std::string& contents,
                 std::uint32_t attributes = platform::files::kArchive);
    void addFolder(const std::string& path, std::uint32_t attributes = platform::files::kDirectory);
    bool exists(const std::string& path) const;
    const File* file(const std::string& path) const;
    // A drive or share the lookup cannot reach: every lookup below it fails with 3.
    std::set<std::string> unreachable;
    // Files that are there but that another program holds open: reading one
    // fails with 32 (sharing violation). Folded paths.
    std::set<std::string> locked;

    // Another program's versions of a file, by folded path: each time this
    // program starts to write that file (makes it new, or writes new
    // contents beside it), the file first comes to hold the next of them,
    // as if the other program had written it just before.
    std::map<std::string, std::deque<std::string>> writtenMeanwhile;
    // The first number WriteBeside names a file with (Windows takes the
    // process id's multiple).
    std::uint32_t firstBesideNumber = 0x4D20;

    std::string programFolder = "C:\\Program Files\\Quillmere";
    std::string executableName = "windhover";
    // Where the system's own programs lie; empty: the system does not say.
    std::string systemFolder = "C:\\WINDOWS\\system32";

    std::map<std::string, File> entries;  // by folded full path
};

// Writes that the file system refuses or breaks off.
struct FileWriteFaults {
    // Folders in which no file can be created or changed (access denied).
    std::set<std::string> unwritableFolders;
    // The next write stops with a full disk after this many bytes.
    std::optional<std::size_t> diskFullAfter;
    // The room left on the disk: every write of more bytes stops with a full
    // disk, and the room stays as it is.
    std::optional<std::size_t> diskRoom;
};

// Lookups below an unreachable drive or share fail.
bool Reachable(const FileSystem& fs, const std::string& path);
// The ANSI file calls take a path of at most 260 characters (their buffer of
// MAX_PATH + 1 with its NUL); a longer one fails with 206
// (ERROR_FILENAME_EXCED_RANGE).
long NameRefusal(const std::string& path);
bool IsFolder(const FileSystem& fs, const std::string& folder);
// Another program writes the file now, if a test staged it.
void WriteMeanwhile(FileSystem& fs, const std::string& path);

}  // namespace sim
