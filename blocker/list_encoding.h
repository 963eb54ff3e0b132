#pragma once
// The encodings a site-list file may come in. The programs keep their text in
// the system's ANSI code page; a file that starts with a byte-order mark is
// UTF-8 or UTF-16 text, and so is UTF-16 text without a mark that its NUL
// bytes show (below); each is written back in the encoding it came in, a mark
// only where it had one.
#include <string>

namespace windhover {

enum class ListEncoding { Ansi, Utf8, Utf16Le, Utf16Be, Utf16LeNoMark, Utf16BeNoMark };

// The encoding the file's byte-order mark names. Without one, UTF-16 LE or BE
// with no mark when, as Windows' own text tools tell it, a NUL stands in every
// other byte of a text that decodes cleanly: an even number of bytes whose NULs
// are the high bytes of that byte order (of more line ends than in the other
// order, or of as many and more units), no unit that is NUL, no lone
// surrogate, and every character with its exact form in the code page. ANSI
// otherwise (a file holding NUL bytes then cannot be read whole).
ListEncoding EncodingOf(const std::string& bytes);

// The byte-order mark of the encoding: empty for ANSI and UTF-16 with no mark.
std::string ByteOrderMark(ListEncoding encoding);

// What a list file's bytes hold: their encoding (as EncodingOf tells it) and
// their text in the code page, its byte-order mark left out. When the file
// does not hold its encoding's text whole (a broken sequence, a half
// character, NUL bytes or characters, which no site list holds) or holds a
// character the code page has no form for, it cannot be read without losing
// some of it: the text is empty and `fault` tells why, in words that follow
// "Cannot read the site list <path>: " and say what mends it.
struct DecodedList {
    ListEncoding encoding = ListEncoding::Ansi;
    std::string text;
    std::string fault;
};
DecodedList DecodeList(const std::string& bytes);

// DecodeList's text: false when the file cannot be read whole, with the
// reason in `fault` when it is given.
bool DecodeListFile(const std::string& bytes, std::string* text, std::string* fault = nullptr);

// The code page's text in the encoding, without a byte-order mark.
std::string EncodeListText(const std::string& text, ListEncoding encoding);

// A whole file holding the text in the encoding, its byte-order mark first.
// So that it reads back as it was written, ANSI text that would begin like a
// byte-order mark goes after an empty line, and UTF-16 without a mark that
// would begin like one, or whose NULs would not show its byte order, goes
// with the mark of its byte order.
std::string ListFileBytes(const std::string& text, ListEncoding encoding);

}  // namespace windhover
