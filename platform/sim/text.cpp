// The simulated machine's ANSI code page: Windows-1252, as an English
// Windows has it, or UTF-8 (65001), as Windows 10 has it with "Use Unicode
// UTF-8 for worldwide language support". The conversions take the flags and
// give the errors Windows does; 1252 and UTF-8 are the code pages the
// simulation knows.
#include "platform/text.h"

#include "platform/sim/machine.h"
#include "platform/types.h"

namespace platform::text {

namespace {

constexpr std::uint32_t kWindows1252 = 1252;
// Win32 result codes only these calls give.
constexpr long kErrorInvalidFlags = 1004;
constexpr long kErrorNoUnicodeTranslation = 1113;
constexpr char16_t kReplacement = 0xFFFD;

// The characters of the bytes 0x80 to 0x9F; the five bytes 1252 leaves free
// stand for the control characters of their own value, as Windows maps them.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Unit(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte; }

// The 1252 byte of the unit; -1 when it has none.
int Byte1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return unit;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == unit) return 0x80 + i;
    return -1;
}

// One UTF-8 character at `at`: its code point and length, or length 0 for a
// byte that begins no whole, shortest, valid sequence.
int Utf8Character(const std::string& bytes, std::size_t at, char32_t* c) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) return *c = lead, 1;
    const int length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || at + length > bytes.size()) return 0;
    *c = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80) return 0;
        *c = (*c << 6) | (next & 0x3F);
    }
    static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = *c >= 0xD800 && *c <= 0xDFFF;
    return *c < kLeast[length] || *c > 0x10FFFF || surrogate ? 0 : length;
}

std::u16string WideFromUtf8(const std::string& bytes) {
    std::u16string wide;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t c = kReplacement;
        const int length = Utf8Character(bytes, at, &c);
        at += length == 0 ? 1 : static_cast<std::size_t>(length);
        if (length == 0) c = kReplacement;
        if (c >= 0x10000) {
            wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<char16_t>(c);
        }
    }
    return wide;
}

// The units in UTF-8; false at a lone surrogate when `strict`, which
// otherwise goes as U+FFFD.
bool Utf8FromWide(const std::u16string& wide, bool strict, std::string* bytes) {
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool pair = c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
            if (!pair && strict) return false;
            c = pair ? 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00) : kReplacement;
        }
        const int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        static const unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
        *bytes += static_cast<char>(kLead[extra] | (c >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k) *bytes += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return true;
}

}  // namespace

std::uint32_t AnsiCodePage() { return sim::M().ansiCodePage; }

std::u16string WideFromAnsi(const std::string& ansi) {
    if (AnsiCodePage() == kUtf8CodePage) return WideFromUtf8(ansi);
    std::u16string wide;
    wide.reserve(ansi.size());
    for (char c : ansi) wide += Unit(static_cast<unsigned char>(c));
    return wide;
}

long WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const std::u16string& wide, std::string* bytes,
                     bool* usedDefault) {
    bytes->clear();
    if (usedDefault) *usedDefault = false;
    if (wide.empty()) return kErrorSuccess;
    if (codePage == kUtf8CodePage) {
        // Windows asks no used-default question of UTF-8 and takes no flag
        // but kErrInvalidChars.
        if (usedDefault) return kErrorInvalidParameter;
        if (flags & ~kErrInvalidChars) return kErrorInvalidFlags;
        if (Utf8FromWide(wide, (flags & kErrInvalidChars) != 0, bytes)) return kErrorSuccess;
        bytes->clear();
        return kErrorNoUnicodeTranslation;
    }
    if (codePage != kWindows1252) return kErrorInvalidParameter;
    // kErrInvalidChars is for UTF-8 and GB18030 alone. Without a best-fit
    // table, every character 1252 lacks takes the default character, as
    // kNoBestFitChars has it.
    if (flags & kErrInvalidChars) return kErrorInvalidFlags;
    bytes->reserve(wide.size());
    for (char16_t unit : wide) {
        const int byte = Byte1252(unit);
        if (byte < 0 && usedDefault) *usedDefault = true;
        *bytes += static_cast<char>(byte < 0 ? '?' : byte);
    }
    return kErrorSuccess;
}

}  // namespace platform::text
