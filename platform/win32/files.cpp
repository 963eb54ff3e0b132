// The file system through the ANSI file calls.
#include "platform/files.h"

#include "platform/win32/handles.h"

namespace platform::files {

namespace {

std::string ExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

}  // namespace

std::string ProgramFolder() {
    const std::string full = ExecutablePath();
    const auto cut = full.find_last_of('\\');
    return cut == std::string::npos ? std::string() : full.substr(0, cut);
}

std::string ExecutableName() {
    const std::string full = ExecutablePath();
    const auto cut = full.find_last_of('\\');
    std::string name = cut == std::string::npos ? full : full.substr(cut + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
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

long ReadFile(const std::string& path, std::string* contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return static_cast<long>(GetLastError());
    std::string bytes;
    char chunk[16384];
    DWORD read = 0;
    long result = 0;
    for (;;) {
        if (!::ReadFile(file, chunk, sizeof chunk, &read, nullptr)) {
            result = static_cast<long>(GetLastError());
            break;
        }
        if (read == 0) break;
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    if (result == 0) *contents = std::move(bytes);
    return result;
}

}  // namespace platform::files
