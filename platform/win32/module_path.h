#pragma once
// The running executable's own path, for the platform calls that need it.
#include <string>

namespace platform::win32 {

// The executable's full path, however long it is; empty when Windows does not
// say.
std::string ExecutablePath();

}  // namespace platform::win32
