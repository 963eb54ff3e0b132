// The name of a file's new contents while they are written beside it: the
// same for both backends, so that the simulation's limit on a path's length
// sees the name Windows is given.
#include <algorithm>
#include <cstdio>

#include "platform/files.h"

namespace platform::files {

std::string BesideName(const std::string& path, std::uint32_t number) {
    const auto cut = path.find_last_of('\\');
    const std::size_t start = cut == std::string::npos ? 0 : cut + 1;
    const std::size_t room = path.size() > start ? path.size() - start - 1 : 0;
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(number));
    const std::size_t kept = std::min<std::size_t>(room, 8);
    return path.substr(0, start) + "~" + (digits + 8 - kept);
}

}  // namespace platform::files
