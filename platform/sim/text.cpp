// The simulated machine's ANSI code page: Windows-1252, as an English
// Windows has it.
#include "platform/text.h"

namespace platform::text {

namespace {

// The characters of the bytes 0x80 to 0x9F; the five bytes 1252 leaves free
// stand for the control characters of their own value, as Windows maps them.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Unit(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte; }

}  // namespace

std::u16string WideFromAnsi(const std::string& ansi) {
    std::u16string wide;
    wide.reserve(ansi.size());
    for (char c : ansi) wide += Unit(static_cast<unsigned char>(c));
    return wide;
}

bool AnsiFromWide(const std::u16string& wide, std::string* ansi) {
    ansi->clear();
    for (char16_t unit : wide) {
        int byte = -1;
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) byte = unit;
        for (int i = 0; i < 32 && byte < 0; ++i)
            if (kHigh[i] == unit) byte = 0x80 + i;
        if (byte < 0) {
            ansi->clear();
            return false;
        }
        *ansi += static_cast<char>(byte);
    }
    return true;
}

}  // namespace platform::text
