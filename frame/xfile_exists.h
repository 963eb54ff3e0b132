#pragma once
// Ordinary files looked up by exact name, and the name part of a path.
#include <string>

namespace xfileExists {
// True when an ordinary file (not hidden, not system, not a folder) of exactly
// that name, in any letter case, exists at that path. Never raises an error.
bool fileExists(const std::string& path);
// What follows the last backslash; the whole text when it has none.
std::string TrimPath(const std::string& path);
// The name of the first ordinary file (not hidden, not system, not a folder)
// that the pattern matches, "" when none: the search's result, 0 or the
// Win32 error (2 when nothing matches).
long FirstPlainFile(const std::string& pattern, std::string* name);
}  // namespace xfileExists
