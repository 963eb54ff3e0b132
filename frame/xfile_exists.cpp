// Ordinary files looked up by exact name, and the name part of a path.
#include "frame/xfile_exists.h"

#include "frame/text_compare.h"
#include "platform/files.h"

namespace xfileExists {

std::string TrimPath(const std::string& path) {
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

long FirstPlainFile(const std::string& pattern, std::string* name) {
    namespace files = platform::files;
    name->clear();
    return files::FindFiles(pattern, [&](const files::FindData& entry) {
        if (entry.attributes & (files::kHidden | files::kSystem | files::kDirectory)) return true;
        *name = entry.name;
        return false;
    });
}

bool fileExists(const std::string& path) {
    const std::string wanted = TrimPath(path);
    // A path ending in a backslash names a folder, never a file.
    if (wanted.empty()) return false;
    std::string first;
    return FirstPlainFile(path, &first) == 0 && EqualsNoCase(first, wanted);
}

}  // namespace xfileExists
