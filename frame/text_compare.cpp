#include "frame/text_compare.h"

#include <algorithm>
#include <array>
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

// The search compares sixteen places at once through the compiler's vector
// types (SSE2 where there is one, plain words elsewhere). No routine here
// takes or gives a vector: on a target without vector registers that would
// change how it is called.
constexpr std::size_t kBlock = 16;
using Block = unsigned char __attribute__((vector_size(kBlock)));

// One byte of the part, set in every place of a block: a letter matches in
// either case (the text's case bit is set before comparing), any other byte
// as it is. Setting the bit also lets a few other bytes through ('@' for
// '`'), which the full compare then turns away.
struct Wanted {
    explicit Wanted(unsigned char folded) {
        for (std::size_t i = 0; i < kBlock; ++i) {
            caseBit[i] = folded >= 'a' && folded <= 'z' ? 0x20 : 0;
            byte[i] = folded;
        }
    }
    Block caseBit, byte;
};

}  // namespace

// Looks for the places where the first, the middle and the last byte of the
// part fit, a block of places at a time, and compares the whole part only
// there: the site lists run to many thousands of characters, most searches
// find nothing, and the entries are much alike ("www." ... ".com"), so that
// two bytes alone would let too many places through.
std::size_t FindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    const std::size_t n = text.size();
    if (from >= n) return std::string::npos;
    if (part.empty()) return from;
    const std::size_t m = part.size();
    if (m > n - from) return std::string::npos;
    const auto& folds = Folds();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const auto* wanted = reinterpret_cast<const unsigned char*>(part.data());
    const auto matchesAt = [&](std::size_t pos) {
        for (std::size_t j = 0; j < m; ++j)
            if (folds[bytes[pos + j]] != folds[wanted[j]]) return false;
        return true;
    };
    const std::size_t middle = m / 2;
    const Wanted first(folds[wanted[0]]), centre(folds[wanted[middle]]), last(folds[wanted[m - 1]]);
    // Two blocks a step: one test for both keeps the loop short.
    constexpr std::size_t kStep = 2 * kBlock;
    std::size_t pos = from;
    for (; pos + m - 1 + kStep <= n; pos += kStep) {
        Block hits[2];
        for (std::size_t half = 0; half < 2; ++half) {
            Block starts, middles, ends;
            const std::size_t at = pos + half * kBlock;
            std::memcpy(&starts, bytes + at, kBlock);
            std::memcpy(&middles, bytes + at + middle, kBlock);
            std::memcpy(&ends, bytes + at + m - 1, kBlock);
            hits[half] = ((starts | first.caseBit) == first.byte) & ((middles | centre.caseBit) == centre.byte) &
                         ((ends | last.caseBit) == last.byte);
        }
        // A place that fits holds a byte of all ones.
        const Block either = hits[0] | hits[1];
        std::uint64_t words[kBlock / 8];
        std::memcpy(words, &either, kBlock);
        if ((words[0] | words[1]) == 0) continue;
        unsigned char fits[kStep];
        std::memcpy(fits, hits, kStep);
        for (std::size_t i = 0; i < kStep; ++i)
            if (fits[i] && matchesAt(pos + i)) return pos + i;
    }
    for (; pos + m <= n; ++pos)
        if (matchesAt(pos)) return pos;
    return std::string::npos;
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return FindNoCase(text, part) != std::string::npos;
}
