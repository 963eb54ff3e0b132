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

// A file's new contents go beside it first and then into its place, so that
// a failure leaves the file as it was and a caller can look at the file once
// more in between. WriteBeside writes the bytes to a file made new in the
// same folder, under a name no longer than the file's own (so that a path
// the calls take has room for it too), with the attributes the file has
// (hidden, system, archive); *beside is its path. A read-only file is
// refused with 5 (ERROR_ACCESS_DENIED), as opening it for writing would be.
// Nothing stays beside after a failure. Returns 0 or a Win32 error code.
long WriteBeside(const std::string& path, const std::string& bytes, std::string* beside);

// Puts the file written beside in the place of `path` (MoveFileExA,
// replacing it, written through). On a failure the file beside is taken
// away. Returns 0 or a Win32 error code.
long PutInPlace(const std::string& beside, const std::string& path);

// Takes away a file written beside that is not to be put in place.
void RemoveBeside(const std::string& beside);

// The name WriteBeside tries for `path` with that number: "~" and the
// number's hexadecimal digits, as many of the last ones as the file's own
// name has room for, in the file's folder. It tries kBesideNames numbers in
// a row, each name made new, so that a file left there by an earlier
// failure or one another copy of the program writes at the same moment is
// never written over; when all are taken the result is 80.
std::string BesideName(const std::string& path, std::uint32_t number);
inline constexpr std::uint32_t kBesideNames = 16;

// Creates a file that is not there yet, with those bytes (CreateFileA with
// CREATE_NEW): when an entry of that name exists, whatever its attributes, it
// stays as it is and the result is 80 (ERROR_FILE_EXISTS). A write that fails
// takes the new file away again. Returns 0 or a Win32 error code.
long CreateNewFile(const std::string& path, const std::string& bytes);

}  // namespace platform::files
