#pragma once
// The system's own text for a Win32 result code, as FormatMessage gives it.
#include <string>

namespace platform {

// The text in the user's language, without its line end; empty when the
// system has none for the code.
std::string SystemErrorText(long code);

}  // namespace platform
