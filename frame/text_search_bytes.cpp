// FindNoCase's search a byte at a time, and the folding table both searches share.
#include "frame/text_search.h"

#include "platform/text_fold.h"

namespace textSearch {

const std::array<unsigned char, 256>& Folds() {
    static const auto table = [] {
        std::array<unsigned char, 256> folds{};
        for (int c = 0; c < 256; ++c) folds[c] = platform::FoldedByte(static_cast<char>(c));
        return folds;
    }();
    return table;
}

namespace {

// The pairs of bytes the search looks up, folded to lower case and hashed
// into a small table: pairs that share a place only make the moves shorter.
constexpr unsigned kPairBits = 10, kPairs = 1u << kPairBits;
unsigned PairAt(const std::array<unsigned char, 256>& folds, const unsigned char* bytes, std::size_t second) {
    return (static_cast<unsigned>(folds[bytes[second - 1]]) << (kPairBits - 4) ^ folds[bytes[second]]) & (kPairs - 1);
}

}  // namespace

// Looks at the last two bytes under the part's place (the hashed search of
// Lecroq's "Fast exact string matching algorithms"): a table says how far the
// part can move on before a pair of its own could stand there, up to all but
// one of its length where the pair is nowhere in it, and the whole part is
// compared only where its own last pair may stand. A site list's entries are
// much alike but few of their pairs are in a site that is not listed: on a
// list like "www.allowed-site1.example" and on, a search for a site of the
// same form reads one pair in fourteen bytes, with no vector instructions.
std::size_t FindByBytes(std::string_view text, std::string_view part, std::size_t from) {
    if (const auto answer = AnswerWithoutSearch(text.size(), part.size(), from)) return *answer;
    const auto& folds = Folds();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const auto* wanted = reinterpret_cast<const unsigned char*>(part.data());
    const std::size_t n = text.size(), m = part.size();
    if (m == 1) {
        for (std::size_t pos = from; pos < n; ++pos)
            if (folds[bytes[pos]] == folds[wanted[0]]) return pos;
        return std::string_view::npos;
    }
    // The moves are bytes; a shorter move than the part allows is always safe.
    const auto move = [](std::size_t places) { return static_cast<unsigned char>(places < 255 ? places : 255); };
    std::array<unsigned char, kPairs> moves;
    moves.fill(move(m - 1));
    for (std::size_t j = 1; j + 1 < m; ++j) moves[PairAt(folds, wanted, j)] = move(m - 1 - j);
    const unsigned lastPair = PairAt(folds, wanted, m - 1);
    const std::size_t pastLastPair = moves[lastPair];
    moves[lastPair] = 0;
    // end is the place of the part's last byte.
    for (std::size_t end = from + m - 1; end < n;) {
        const std::size_t places = moves[PairAt(folds, bytes, end)];
        if (places != 0) {
            end += places;
            continue;
        }
        if (MatchesAt(folds, bytes, end + 1 - m, part)) return end + 1 - m;
        end += pastLastPair;
    }
    return std::string_view::npos;
}

}  // namespace textSearch
