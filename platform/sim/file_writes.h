#pragma once
// Writes that the simulated file system refuses or breaks off.
#include <cstddef>
#include <optional>
#include <set>
#include <string>

namespace sim {

struct FileWriteFaults {
    // Folders in which no file can be created or changed (access denied).
    std::set<std::string> unwritableFolders;
    // The next write stops with a full disk after this many bytes.
    std::optional<std::size_t> diskFullAfter;
    // The room left on the disk: every write of more bytes stops with a full
    // disk, and the room stays as it is.
    std::optional<std::size_t> diskRoom;
};

}  // namespace sim

namespace sim {

class FileSystem;
// Lookups below an unreachable drive or share fail.
bool Reachable(const FileSystem& fs, const std::string& path);
bool IsFolder(const FileSystem& fs, const std::string& folder);

}  // namespace sim
