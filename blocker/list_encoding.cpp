// The encodings a site-list file may come in, read and written back as they came.
#include "blocker/list_encoding.h"

#include <cstdint>

#include "platform/text.h"

namespace windhover {

namespace {

const struct {
    ListEncoding encoding;
    const char* mark;
} kMarks[] = {
    {ListEncoding::Utf8, "\xEF\xBB\xBF"},
    {ListEncoding::Utf16Le, "\xFF\xFE"},
    {ListEncoding::Utf16Be, "\xFE\xFF"},
};

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool WideFromUtf8(const std::string& bytes, std::u16string* wide) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t c = lead;
        char32_t least = 0;
        if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, c = lead & 0x07, least = 0x10000;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, c = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, c = lead & 0x1F, least = 0x80;
        } else if (lead >= 0x80) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= bytes.size()) return false;
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || IsSurrogate(c)) return false;
        if (c >= 0x10000) {
            c -= 0x10000;
            *wide += static_cast<char16_t>(0xD800 + (c >> 10));
            *wide += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            *wide += static_cast<char16_t>(c);
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string Utf8FromWide(const std::u16string& wide) {
    std::string bytes;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        const bool pair =
            c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

bool BigEndian(ListEncoding encoding) {
    return encoding == ListEncoding::Utf16Be || encoding == ListEncoding::Utf16BeNoMark;
}

// The units of UTF-16 bytes, of which there are an even number.
std::u16string WideFromUtf16(const std::string& bytes, bool bigEndian) {
    std::u16string wide;
    wide.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return wide;
}

std::string Utf16FromWide(const std::u16string& wide, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : wide) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// False at a lone surrogate.
bool SurrogatesPaired(const std::u16string& wide) {
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (!IsSurrogate(wide[i])) continue;
        if (wide[i] >= 0xDC00 || i + 1 == wide.size() || wide[i + 1] < 0xDC00 || wide[i + 1] > 0xDFFF) return false;
        ++i;
    }
    return true;
}

// The encoding the byte-order mark names; ANSI without one.
ListEncoding MarkedEncoding(const std::string& bytes) {
    for (const auto& mark : kMarks)
        if (bytes.rfind(mark.mark, 0) == 0) return mark.encoding;
    return ListEncoding::Ansi;
}

// The byte order in which a NUL stands in every other byte: an even number of
// bytes with no unit that is NUL, whose NULs are high bytes in that order:
// the order whose units hold more line ends (CR or LF), or where they hold as
// many, more NUL high bytes. ANSI when there is none. Characters whose low
// byte is NUL (U+4E00, say) thus do not turn the order of a text with line
// ends.
ListEncoding NulPattern(const std::string& bytes) {
    if (bytes.empty() || bytes.size() % 2 != 0) return ListEncoding::Ansi;
    // Per order, little-endian first: units with a NUL high byte, and those of them that end a line.
    std::size_t nuls[2] = {0, 0}, lineEnds[2] = {0, 0};
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char first = bytes[i], second = bytes[i + 1];
        if (first == '\0' && second == '\0') return ListEncoding::Ansi;
        if (second == '\0') ++nuls[0], lineEnds[0] += first == '\r' || first == '\n';
        if (first == '\0') ++nuls[1], lineEnds[1] += second == '\r' || second == '\n';
    }
    const std::size_t* const counts = lineEnds[0] != lineEnds[1] ? lineEnds : nuls;
    if (counts[0] > counts[1]) return ListEncoding::Utf16LeNoMark;
    if (counts[1] > counts[0]) return ListEncoding::Utf16BeNoMark;
    return ListEncoding::Ansi;
}

// Why a file is not read whole, after "Cannot read the site list <path>: ".
const char* const kBrokenUtf8 =
    "it is marked as UTF-8 text but holds bytes that are not UTF-8; save it again as text in an editor";
const char* const kHalfCharacter =
    "it is UTF-16 text that ends in the middle of a character; mend its end in an editor";
const char* const kHalfUnmarkedCharacter =
    "it looks like UTF-16 text without a byte-order mark that ends in the middle of a character; mend its end in "
    "an editor";
const char* const kLoneSurrogate =
    "it is UTF-16 text holding half of a surrogate pair; remove that character in an editor";
const char* const kNulCharacters = "it holds NUL characters, which no site list has; remove them in an editor";
const char* const kNotShown =
    "it holds text that this system's code page cannot show; remove those characters in an editor";
const char* const kNulBytes =
    "it holds NUL bytes, which no ANSI or UTF-8 text has, and is no UTF-16 text that this system's code page can "
    "show either; save it again as text in an editor";

// A file's encoding and its text in the code page, or why it has none.
struct Decoded {
    ListEncoding encoding = ListEncoding::Ansi;
    std::string text;
    const char* fault = nullptr;
};

// UTF-16 units in the code page.
Decoded FromUnits(ListEncoding encoding, const std::u16string& wide) {
    Decoded decoded{encoding, {}, nullptr};
    if (!SurrogatesPaired(wide))
        decoded.fault = kLoneSurrogate;
    else if (wide.find(u'\0') != std::u16string::npos)
        decoded.fault = kNulCharacters;
    else if (!platform::text::AnsiFromWide(wide, &decoded.text))
        decoded.fault = kNotShown;
    return decoded;
}

Decoded DecodeMarked(ListEncoding encoding, const std::string& body) {
    std::u16string wide;
    if (encoding == ListEncoding::Utf8) {
        if (!WideFromUtf8(body, &wide)) return {encoding, {}, kBrokenUtf8};
    } else {
        if (body.size() % 2 != 0) return {encoding, {}, kHalfCharacter};
        wide = WideFromUtf16(body, BigEndian(encoding));
    }
    return FromUnits(encoding, wide);
}

// Bytes without a mark as UTF-16 whose NULs tell its byte order; a fault
// when they are no such text.
Decoded DecodeUnmarked(const std::string& bytes) {
    const ListEncoding pattern = NulPattern(bytes);
    if (pattern == ListEncoding::Ansi) return {ListEncoding::Ansi, {}, kNulBytes};
    Decoded decoded = FromUnits(pattern, WideFromUtf16(bytes, BigEndian(pattern)));
    return decoded.fault ? Decoded{ListEncoding::Ansi, {}, kNulBytes} : decoded;
}

Decoded Decode(const std::string& bytes) {
    const ListEncoding marked = MarkedEncoding(bytes);
    if (marked != ListEncoding::Ansi) return DecodeMarked(marked, bytes.substr(ByteOrderMark(marked).size()));
    if (bytes.find('\0') == std::string::npos) return {ListEncoding::Ansi, bytes, nullptr};
    if (bytes.size() % 2 == 0) return DecodeUnmarked(bytes);
    const bool cutUtf16 = !DecodeUnmarked(bytes.substr(0, bytes.size() - 1)).fault;
    return {ListEncoding::Ansi, {}, cutUtf16 ? kHalfUnmarkedCharacter : kNulBytes};
}

}  // namespace

ListEncoding EncodingOf(const std::string& bytes) {
    const ListEncoding marked = MarkedEncoding(bytes);
    if (marked != ListEncoding::Ansi || bytes.find('\0') == std::string::npos) return marked;
    return Decode(bytes).encoding;
}

std::string ByteOrderMark(ListEncoding encoding) {
    for (const auto& mark : kMarks)
        if (mark.encoding == encoding) return mark.mark;
    return {};
}

DecodedList DecodeList(const std::string& bytes) {
    Decoded decoded = Decode(bytes);
    return {decoded.encoding, std::move(decoded.text), decoded.fault ? decoded.fault : ""};
}

bool DecodeListFile(const std::string& bytes, std::string* text, std::string* fault) {
    DecodedList decoded = DecodeList(bytes);
    const bool whole = decoded.fault.empty();
    *text = std::move(decoded.text);
    if (fault) *fault = std::move(decoded.fault);
    return whole;
}

std::string EncodeListText(const std::string& text, ListEncoding encoding) {
    switch (encoding) {
        case ListEncoding::Ansi:
            return text;
        case ListEncoding::Utf8:
            return Utf8FromWide(platform::text::WideFromAnsi(text));
        case ListEncoding::Utf16Le:
        case ListEncoding::Utf16Be:
        case ListEncoding::Utf16LeNoMark:
        case ListEncoding::Utf16BeNoMark:
            return Utf16FromWide(platform::text::WideFromAnsi(text), BigEndian(encoding));
    }
    return text;
}

std::string ListFileBytes(const std::string& text, ListEncoding encoding) {
    // An empty line, which holds no entry, keeps any code page's text whole,
    // where UTF-8 could not hold text that is no UTF-8 on a UTF-8 code page.
    if (encoding == ListEncoding::Ansi && MarkedEncoding(text) != ListEncoding::Ansi) return "\r\n" + text;
    std::string bytes = ByteOrderMark(encoding) + EncodeListText(text, encoding);
    const bool unmarked = encoding == ListEncoding::Utf16LeNoMark || encoding == ListEncoding::Utf16BeNoMark;
    if (!unmarked || bytes.empty() || (MarkedEncoding(bytes) == ListEncoding::Ansi && NulPattern(bytes) == encoding))
        return bytes;
    return ByteOrderMark(BigEndian(encoding) ? ListEncoding::Utf16Be : ListEncoding::Utf16Le) + bytes;
}

}  // namespace windhover
