#pragma once
// The encodings a site-list file may come in. The programs keep their text in
// the system's ANSI code page; a file that starts with a byte-order mark is
// UTF-8 or UTF-16 text and is written back in the encoding it came in.
#include <string>

namespace windhover {

enum class ListEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// The encoding the file's byte-order mark names; ANSI without one.
ListEncoding EncodingOf(const std::string& bytes);

// The byte-order mark of the encoding: empty for ANSI.
std::string ByteOrderMark(ListEncoding encoding);

// The file's text in the code page, its byte-order mark left out. False when
// the file does not hold its encoding's text whole (a broken sequence, a
// half character) or holds a character the code page has no form for: such
// a file cannot be read without losing some of it.
bool DecodeListFile(const std::string& bytes, std::string* text);

// The code page's text in the encoding, without a byte-order mark.
std::string EncodeListText(const std::string& text, ListEncoding encoding);

// A whole file holding the text in the encoding, its byte-order mark first.
// ANSI text that would begin like a byte-order mark goes as UTF-8 with its
// mark instead, so that it reads back as it was written.
std::string ListFileBytes(const std::string& text, ListEncoding encoding);

}  // namespace windhover
