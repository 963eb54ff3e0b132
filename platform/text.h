#pragma once
// Text between the system's ANSI code page, in which the programs keep their
// strings, and UTF-16.
#include <cstdint>
#include <string>

namespace platform::text {

// The code page of UTF-8, which Windows 10 can make the ANSI code page.
constexpr std::uint32_t kUtf8CodePage = 65001;

// WideCharToMultiByte's flags the programs use.
constexpr std::uint32_t kNoBestFitChars = 0x400;   // WC_NO_BEST_FIT_CHARS
constexpr std::uint32_t kErrInvalidChars = 0x080;  // WC_ERR_INVALID_CHARS

// The system's ANSI code page (GetACP).
std::uint32_t AnsiCodePage();

// MultiByteToWideChar with the ANSI code page and no flags: every byte of a
// single-byte code page has a form; in UTF-8 a broken sequence becomes
// U+FFFD.
std::u16string WideFromAnsi(const std::string& ansi);

// WideCharToMultiByte of the units into the code page with those flags, no
// default character of the caller's and, when usedDefault is given, the
// question whether a unit had no form and took the default character. 0 with
// the bytes, or the error Windows gives: 87 (a code page it does not know, or
// the used-default question for UTF-8), 1004 (flags the code page does not
// take), 1113 (with kErrInvalidChars, a unit UTF-8 has no form for: a lone
// surrogate). An empty text gives no bytes and 0 without a call.
long WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const std::u16string& wide, std::string* bytes,
                     bool* usedDefault);

// The units in the code page, each character in its exact form: false when
// one (or a lone surrogate) has none there, or the code page takes no
// conversion. Each code page is asked the way it takes: a single-byte or
// double-byte one with no best-fit forms and the used-default question,
// UTF-8 with kErrInvalidChars alone.
bool ExactlyInCodePage(std::uint32_t codePage, const std::u16string& wide, std::string* bytes);

// ExactlyInCodePage with the ANSI code page.
bool AnsiFromWide(const std::u16string& wide, std::string* ansi);

}  // namespace platform::text
