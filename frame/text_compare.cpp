#include "frame/text_compare.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// ASCII letters folded to lower case; every other byte as it is.
const std::array<unsigned char, 256>& Folds() {
    static const auto table = [] {
        std::array<unsigned char, 256> folds{};
        for (int c = 0; c < 256; ++c) folds[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        return folds;
    }();
    return table;
}

unsigned char Fold(char c) { return Folds()[static_cast<unsigned char>(c)]; }

}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Fold(x) == Fold(y); });
}

namespace {

// Sixteen bytes at a time, through the compiler's vector types.
constexpr std::size_t kBlock = 16;
using Block = unsigned char __attribute__((vector_size(kBlock)));

// The index of the lowest byte of the word (as memory holds it) that is set.
std::size_t LowestByte(std::uint64_t lanes) {
    static_assert(std::endian::native == std::endian::little, "lanes are counted from the low byte");
    return static_cast<std::size_t>(std::countr_zero(lanes)) / 8;
}


}  // namespace

// Looks first for places where a few bytes of the part fit, a block of
// places at a time, and compares only there: the site lists it
// searches run to many thousands of characters, and most searches find nothing.
std::size_t FindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    const std::size_t n = text.size();
    if (from >= n) return std::string::npos;
    if (part.empty()) return from;
    const std::size_t m = part.size();
    if (m > n - from) return std::string::npos;
    const auto& folds = Folds();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::string needle(m, '\0');
    for (std::size_t i = 0; i < m; ++i) needle[i] = static_cast<char>(folds[static_cast<unsigned char>(part[i])]);
    const auto* wanted = reinterpret_cast<const unsigned char*>(needle.data());
    const auto matchesAt = [&](std::size_t pos) {
        for (std::size_t j = 0; j < m; ++j)
            if (folds[bytes[pos + j]] != wanted[j]) return false;
        return true;
    };
    // Candidates are the places where the first, the middle and the last
    // byte fit: lists hold many entries alike, and three bytes keep the full
    // compares few. A letter is matched in either case by setting the case
    // bit of the text's byte; the full compare weeds out the other bytes that
    // this lets through. No routine here takes or gives a vector: where
    // the target has no vector registers that would change how it is called.
    const std::size_t middle = m / 2;
    const unsigned char first = wanted[0], centre = wanted[middle], last = wanted[m - 1];
    const auto caseBit = [](unsigned char c) { return c >= 'a' && c <= 'z' ? 0x20 : 0; };
    Block firstCase, firsts, centreCase, centres, lastCase, lasts;
    std::memset(&firstCase, caseBit(first), kBlock);
    std::memset(&firsts, first, kBlock);
    std::memset(&centreCase, caseBit(centre), kBlock);
    std::memset(&centres, centre, kBlock);
    std::memset(&lastCase, caseBit(last), kBlock);
    std::memset(&lasts, last, kBlock);
    std::size_t pos = from;
    for (; pos + m - 1 + kBlock <= n; pos += kBlock) {
        Block starts, middles, ends;
        std::memcpy(&starts, bytes + pos, kBlock);
        std::memcpy(&middles, bytes + pos + middle, kBlock);
        std::memcpy(&ends, bytes + pos + m - 1, kBlock);
        const Block hits =
            ((starts | firstCase) == firsts) & ((middles | centreCase) == centres) & ((ends | lastCase) == lasts);
        std::uint64_t words[kBlock / 8];
        std::memcpy(words, &hits, sizeof words);
        if ((words[0] | words[1]) == 0) continue;
        for (std::size_t word = 0; word < kBlock / 8; ++word) {
            // Each hit is a byte of all ones; on every target the vector's
            // bytes lie in memory in order, lowest address first.
            for (std::uint64_t lanes = words[word]; lanes != 0; lanes &= lanes - 1) {
                const std::size_t found = pos + word * 8 + LowestByte(lanes);
                if (matchesAt(found)) return found;
            }
        }
    }
    for (; pos + m <= n; ++pos)
        if (matchesAt(pos)) return pos;
    return std::string::npos;
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return FindNoCase(text, part) != std::string::npos;
}
