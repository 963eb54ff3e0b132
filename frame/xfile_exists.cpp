#include "frame/xfile_exists.h"

#include "frame/text_compare.h"
#include "platform/files.h"

namespace xfileExists {

std::string TrimPath(const std::string& path) {
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool fileExists(const std::string& path) {
    namespace files = platform::files;
    const std::string wanted = TrimPath(path);
    // A path ending in a backslash names a folder, never a file.
    if (wanted.empty()) return false;
    std::string first;
    const long result = files::FindFiles(path, [&](const files::FindData& entry) {
        if (entry.attributes & (files::kHidden | files::kSystem | files::kDirectory)) return true;
        first = entry.name;
        return false;
    });
    return result == 0 && EqualsNoCase(first, wanted);
}

}  // namespace xfileExists
