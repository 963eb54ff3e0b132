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
        const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                          wide[i + 1] <= 0xDFFF;
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

bool WideFromUtf16(const std::string& bytes, bool bigEndian, std::u16string* wide) {
    if (bytes.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        *wide += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return true;
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

}  // namespace

ListEncoding EncodingOf(const std::string& bytes) {
    for (const auto& mark : kMarks)
        if (bytes.rfind(mark.mark, 0) == 0) return mark.encoding;
    return ListEncoding::Ansi;
}

std::string ByteOrderMark(ListEncoding encoding) {
    for (const auto& mark : kMarks)
        if (mark.encoding == encoding) return mark.mark;
    return {};
}

bool DecodeListFile(const std::string& bytes, std::string* text) {
    const ListEncoding encoding = EncodingOf(bytes);
    if (encoding == ListEncoding::Ansi) {
        *text = bytes;
        return true;
    }
    const std::string body = bytes.substr(ByteOrderMark(encoding).size());
    std::u16string wide;
    const bool whole = encoding == ListEncoding::Utf8 ? WideFromUtf8(body, &wide)
                                                      : WideFromUtf16(body, encoding == ListEncoding::Utf16Be, &wide);
    return whole && platform::text::AnsiFromWide(wide, text);
}

std::string EncodeListText(const std::string& text, ListEncoding encoding) {
    switch (encoding) {
        case ListEncoding::Ansi:
            return text;
        case ListEncoding::Utf8:
            return Utf8FromWide(platform::text::WideFromAnsi(text));
        case ListEncoding::Utf16Le:
        case ListEncoding::Utf16Be:
            return Utf16FromWide(platform::text::WideFromAnsi(text), encoding == ListEncoding::Utf16Be);
    }
    return text;
}

std::string ListFileBytes(const std::string& text, ListEncoding encoding) {
    if (encoding == ListEncoding::Ansi && EncodingOf(text) != ListEncoding::Ansi) encoding = ListEncoding::Utf8;
    return ByteOrderMark(encoding) + EncodeListText(text, encoding);
}

}  // namespace windhover
