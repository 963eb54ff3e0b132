// libFuzzer target: the case-blind search against a plain one. The first
// byte splits the input into the part and the text, the second gives where
// the search starts; both ways of the search (by blocks with SSE2, by bytes
// without) and the plain one must find the same place, and the text's own
// pieces must be found where they stand or earlier.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "frame/text_compare.h"
#include "frame/text_search.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Every place from `from` on, one after the other, byte by byte.
std::size_t PlainFind(const std::string& text, const std::string& part, std::size_t from) {
    if (from >= text.size()) return std::string::npos;
    for (std::size_t at = from; at + part.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < part.size() && Lower(text[at + i]) == Lower(part[i])) ++i;
        if (i == part.size()) return at;
    }
    return std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t split = data[0] % (input.size() + 1);
    const std::string part = input.substr(0, split), text = input.substr(split);
    const std::size_t from = data[1] % (text.size() + 2);

    const std::size_t found = FindNoCase(text, part, from);
    Require(found == PlainFind(text, part, from));
    Require(textSearch::FindByBlocks(text, part, from) == found);
    Require(textSearch::FindByBytes(text, part, from) == found);
    Require(ContainsNoCase(text, part) == (PlainFind(text, part, 0) != std::string::npos));
    Require(EqualsNoCase(text, part) ==
            (text.size() == part.size() && (text.empty() || PlainFind(text, part, 0) == 0)));

    // A piece of the text, in other letter case, is found no later than where it stands.
    if (!text.empty()) {
        const std::size_t at = data[1] % text.size();
        std::string piece = text.substr(at, split % 40 + 1);
        for (char& c : piece) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : Lower(c);
        const std::size_t place = FindNoCase(text, piece);
        Require(place != std::string::npos && place <= at);
    }
    return 0;
}
