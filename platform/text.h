#pragma once
// Text between the system's ANSI code page, in which the programs keep their
// strings, and UTF-16.
#include <string>

namespace platform::text {

// MultiByteToWideChar with the ANSI code page: every byte has a form.
std::u16string WideFromAnsi(const std::string& ansi);

// WideCharToMultiByte with the ANSI code page and no best-fit forms: false
// when a character (or a lone surrogate) has no exact form in the code page.
bool AnsiFromWide(const std::u16string& wide, std::string* ansi);

}  // namespace platform::text
