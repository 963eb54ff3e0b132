// The running executable's own path.
#include "platform/win32/module_path.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {

namespace {

// The longest path Windows takes, in characters.
constexpr std::size_t kLongestPath = 32768;

}  // namespace

// The whole path, however long: a buffer the path fills to its end may have
// cut it (Windows XP neither ends it nor says so), so it grows and the call
// is made again.
std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size() || path.size() >= kLongestPath) {
            path.resize(std::min<std::size_t>(length, path.size()));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace platform::win32
