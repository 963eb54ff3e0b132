#pragma once
// The two changes Add and Delete make to a list file, made to its bytes as
// they are: every byte but those of the line added or taken stays, in the
// file's own encoding and line ends.
#include <string>

#include "blocker/list_encoding.h"

namespace windhover {

// The bytes with one more line holding the text. The new line ends as the
// file's last line end does (CR LF, a lone CR or a lone LF; CR LF in a file
// with none), and a last line without a line end is given one first.
std::string WithLineAdded(const std::string& bytes, ListEncoding encoding, const std::string& text);

// The bytes without the line that is the `occurrence`-th (from 0) to hold
// exactly the text, or the last one to hold it when fewer do, its line end
// going with it; the bytes as they are when no line holds it.
std::string WithoutLine(const std::string& bytes, ListEncoding encoding, const std::string& text, int occurrence);

}  // namespace windhover
