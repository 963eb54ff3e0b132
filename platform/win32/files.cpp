// The file system through the ANSI file calls.
#include "platform/files.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "platform/win32/module_path.h"

namespace platform::files {

std::string ProgramFolder() {
    const std::string full = win32::ExecutablePath();
    const auto cut = full.find_last_of('\\');
    return cut == std::string::npos ? std::string() : full.substr(0, cut);
}

std::string ExecutableName() {
    const std::string full = win32::ExecutablePath();
    const auto cut = full.find_last_of('\\');
    std::string name = cut == std::string::npos ? full : full.substr(cut + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

std::string SystemFolder() {
    std::string folder(MAX_PATH, '\0');
    // A buffer too small is answered with the size needed, its NUL counted.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const UINT length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
        if (length == 0) return std::string();
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.assign(length, '\0');
    }
    return std::string();
}

long FindFiles(const std::string& pattern, const std::function<bool(const FindData&)>& visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return static_cast<long>(GetLastError());
    do {
        if (!visit(FindData{found.cFileName, found.dwFileAttributes})) break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return 0;
}

// Reads into a buffer of the file's size (and one byte more, to see its end),
// in large steps; a file that grows meanwhile is read to its end all the same.
long ReadFile(const std::string& path, std::string* contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return static_cast<long>(GetLastError());
    constexpr std::size_t kStep = 1u << 20;
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < (1 << 30);
    std::string bytes(sized ? static_cast<std::size_t>(size.QuadPart) + 1 : kStep, '\0');
    std::size_t filled = 0;
    long result = 0;
    for (;;) {
        if (filled == bytes.size()) bytes.resize(filled + kStep);
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - filled, kStep));
        DWORD read = 0;
        if (!::ReadFile(file, bytes.data() + filled, wanted, &read, nullptr)) {
            result = static_cast<long>(GetLastError());
            break;
        }
        if (read == 0) break;
        filled += read;
    }
    CloseHandle(file);
    bytes.resize(filled);
    if (result == 0) *contents = std::move(bytes);
    return result;
}

namespace {

// Writes all the bytes to an open file: 0 or the Win32 error.
long WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return static_cast<long>(GetLastError());
        if (written == 0) return ERROR_WRITE_FAULT;
        done += written;
    }
    return 0;
}

// The same, and closes the file: the first error, of the write or the close.
long WriteAllAndClose(HANDLE file, const std::string& bytes) {
    long result = WriteAll(file, bytes);
    if (!CloseHandle(file) && result == 0) result = static_cast<long>(GetLastError());
    return result;
}

// The attributes a rewritten file carries over from the one it replaces.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

}  // namespace

long WriteBeside(const std::string& path, const std::string& bytes, std::string* beside) {
    // The name beside is shorter, but a path the file calls refuse is refused
    // here too.
    if (path.size() > MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
    // A read-only file stays as it is, as it would when opened for writing.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return ERROR_ACCESS_DENIED;
    const DWORD kept = attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kKeptAttributes;
    const std::uint32_t first = GetCurrentProcessId() * kBesideNames;
    for (std::uint32_t n = 0; n < kBesideNames; ++n) {
        const std::string name = BesideName(path, first + n);
        if (lstrcmpiA(name.c_str(), path.c_str()) == 0) continue;
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  kept ? kept : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            return static_cast<long>(error);
        }
        const long result = WriteAllAndClose(file, bytes);
        if (result != 0) {
            DeleteFileA(name.c_str());
            return result;
        }
        *beside = name;
        return 0;
    }
    return ERROR_FILE_EXISTS;
}

long PutInPlace(const std::string& beside, const std::string& path) {
    if (MoveFileExA(beside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    const long result = static_cast<long>(GetLastError());
    DeleteFileA(beside.c_str());
    return result;
}

void RemoveBeside(const std::string& beside) { DeleteFileA(beside.c_str()); }

long CreateNewFile(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return static_cast<long>(GetLastError());
    const long result = WriteAllAndClose(file, bytes);
    // A half-made file would be taken for the whole one at the next start.
    if (result != 0) DeleteFileA(path.c_str());
    return result;
}

}  // namespace platform::files
