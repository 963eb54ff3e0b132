// The exact conversion into a code page, asked of either backend's
// WideToMultiByte in the form that code page takes.
#include "platform/text.h"

namespace platform::text {

bool ExactlyInCodePage(std::uint32_t codePage, const std::u16string& wide, std::string* bytes) {
    // UTF-8 has a form for every character; it refuses best-fit checks and
    // the used-default question, and only kErrInvalidChars tells of a lone
    // surrogate, which it would otherwise turn into U+FFFD.
    if (codePage == kUtf8CodePage) return WideToMultiByte(codePage, kErrInvalidChars, wide, bytes, nullptr) == 0;
    bool usedDefault = false;
    const bool converted = WideToMultiByte(codePage, kNoBestFitChars, wide, bytes, &usedDefault) == 0;
    if (converted && !usedDefault) return true;
    bytes->clear();
    return false;
}

bool AnsiFromWide(const std::u16string& wide, std::string* ansi) {
    return ExactlyInCodePage(AnsiCodePage(), wide, ansi);
}

}  // namespace platform::text
