#pragma once
// The file system as the programs use it: the program's folder, file lookup
// with Win32 wildcards and attributes, whole-file reads and writes. Paths go
// through the ANSI calls: a path of more than 260 characters fails with 206
// (ERROR_FILENAME_EXCED_RANGE).
#include <cstdint>
#include <functional>
#include <string>

namespace platform::files {

enum Attribute : std::uint32_t {
    kReadOnly = 0x01,
    kHidden = 0x02,
    kSystem = 0x04,
    kDirectory = 0x10,
    kArchive = 0x20,
    kNormal = 0x80,
};

struct FindData {
    std::string name;  // the stored name, without its folder
    std::uint32_t attributes = 0;
};

// The folder the executable was started from, without a trailing backslash;
// whole, however long its path.
std::string ProgramFolder();

// The running executable's file name without its folder and its extension.
std::string ExecutableName();

// The system folder (GetSystemDirectoryA), without a trailing backslash;
// empty when the system does not say.
std::string SystemFolder();

// FindFirstFileA/FindNextFileA: calls `visit` for every entry that matches
// `pattern` (a path whose last part may hold * and ?), until `visit` returns
// false. Returns 0, or the Win32 error of the lookup (2 when nothing matches).
long FindFiles(const std::string& pattern, const std::function<bool(const FindData&)>& visit);

// Reads a whole file as bytes. Returns 0 or a Win32 error code.
long ReadFile(const std::string& path, std::string* contents);

// Replaces a file's contents, creating it when it is missing: the new
// contents are written beside it and then put in its place, so a failure
// leaves the file as it was. The file keeps its attributes (hidden, system,
// archive). Returns 0 or a Win32 error code.
long RewriteFile(const std::string& path, const std::string& bytes);

// Creates a file that is not there yet, with those bytes (CreateFileA with
// CREATE_NEW): when an entry of that name exists, whatever its attributes, it
// stays as it is and the result is 80 (ERROR_FILE_EXISTS). A write that fails
// takes the new file away again. Returns 0 or a Win32 error code.
long CreateNewFile(const std::string& path, const std::string& bytes);

}  // namespace platform::files
