// The Add and Delete of a list file, made to its bytes as they are.
#include "blocker/list_edits.h"

#include <cstddef>
#include <vector>

namespace windhover {

namespace {

// One line of the bytes: its text from `begin` to `end`, its line end from
// `end` to `next` (empty for a last line without one).
struct Line {
    std::size_t begin, end, next;
};

// Reads the bytes in the units of their encoding: a byte, or two for UTF-16.
struct Units {
    const std::string& bytes;
    ListEncoding encoding;

    std::size_t size() const { return Wide() ? 2 : 1; }
    bool Wide() const {
        return BigEndian() || encoding == ListEncoding::Utf16Le || encoding == ListEncoding::Utf16LeNoMark;
    }
    bool BigEndian() const { return encoding == ListEncoding::Utf16Be || encoding == ListEncoding::Utf16BeNoMark; }
    unsigned At(std::size_t i) const {
        const auto first = static_cast<unsigned char>(bytes[i]);
        if (!Wide()) return first;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return BigEndian() ? (first << 8) | second : (second << 8) | first;
    }
};

// The lines of the bytes, after a byte-order mark they start with. A line
// ends at CR LF, a lone CR or a lone LF, as the load reads them; a last
// half unit of UTF-16 belongs to the last line's text.
std::vector<Line> LinesOf(const std::string& bytes, ListEncoding encoding) {
    const Units units{bytes, encoding};
    const std::string mark = ByteOrderMark(encoding);
    const std::size_t step = units.size();
    std::size_t i = bytes.compare(0, mark.size(), mark) == 0 ? mark.size() : 0;
    std::vector<Line> lines;
    std::size_t begin = i;
    while (i + step <= bytes.size()) {
        const unsigned unit = units.At(i);
        if (unit != '\r' && unit != '\n') {
            i += step;
            continue;
        }
        std::size_t next = i + step;
        if (unit == '\r' && next + step <= bytes.size() && units.At(next) == '\n') next += step;
        lines.push_back({begin, i, next});
        begin = i = next;
    }
    if (begin < bytes.size()) lines.push_back({begin, bytes.size(), bytes.size()});
    return lines;
}

}  // namespace

std::string WithLineAdded(const std::string& bytes, ListEncoding encoding, const std::string& text) {
    const std::vector<Line> lines = LinesOf(bytes, encoding);
    std::string lineEnd = EncodeListText("\r\n", encoding);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (it->next > it->end) {
            lineEnd = bytes.substr(it->end, it->next - it->end);
            break;
        }
    const bool ended = lines.empty() || lines.back().next > lines.back().end;
    return bytes + (ended ? "" : lineEnd) + EncodeListText(text, encoding) + lineEnd;
}

std::string WithoutLine(const std::string& bytes, ListEncoding encoding, const std::string& text, int occurrence) {
    const std::string wanted = EncodeListText(text, encoding);
    const std::vector<Line> lines = LinesOf(bytes, encoding);
    const Line* taken = nullptr;
    for (const Line& line : lines) {
        if (bytes.compare(line.begin, line.end - line.begin, wanted) != 0) continue;
        taken = &line;
        if (occurrence-- == 0) break;
    }
    return taken ? bytes.substr(0, taken->begin) + bytes.substr(taken->next) : bytes;
}

}  // namespace windhover
