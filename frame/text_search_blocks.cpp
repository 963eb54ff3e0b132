// FindNoCase's search sixteen places at a time, with SSE2.
#include "frame/text_search.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>

namespace textSearch {

// The 32-bit build targets processors without SSE2 and gets SSE2 code for
// this function alone. Windows keeps a 32-bit stack aligned to 4 bytes only,
// so there the function aligns its own for any vector it spills.
#if defined(__i386__)
#define SSE2_FUNCTION __attribute__((target("sse2"), force_align_arg_pointer))
#else
#define SSE2_FUNCTION __attribute__((target("sse2")))
#endif

bool ProcessorHasSse2() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    // __get_cpuid first asks whether the processor has the instruction at all.
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & bit_SSE2) != 0;
}

namespace {

// One byte of the part, set in every place of a block, and the case bit
// that a text byte takes before it is compared with it (letters only).
struct Wanted {
    __m128i byte, caseBit;
};

SSE2_FUNCTION Wanted WantedByte(unsigned char folded) {
    return {_mm_set1_epi8(static_cast<char>(folded)),
            _mm_set1_epi8(static_cast<char>(folded >= 'a' && folded <= 'z' ? 0x20 : 0))};
}

SSE2_FUNCTION __m128i Fits(const unsigned char* at, const Wanted& wanted) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return _mm_cmpeq_epi8(_mm_or_si128(block, wanted.caseBit), wanted.byte);
}

}  // namespace

// Looks for the places where the first, the middle and the last byte of the
// part fit, sixteen places at a time (two blocks a step), and compares the
// whole part only there: the site lists run to many thousands of characters,
// most searches find nothing, and the entries are much alike ("www." ...
// ".com"), so that two bytes alone would let too many places through. A
// letter fits in either case: the text's case bit is set before comparing,
// which lets a few other bytes through ('@' for '`') that the full compare
// then turns away.
SSE2_FUNCTION std::size_t FindByBlocks(std::string_view text, std::string_view part, std::size_t from) {
    if (const auto answer = AnswerWithoutSearch(text.size(), part.size(), from)) return *answer;
    const auto& folds = Folds();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size(), m = part.size(), middle = m / 2;
    const auto foldedAt = [&](std::size_t j) { return folds[static_cast<unsigned char>(part[j])]; };
    const Wanted first = WantedByte(foldedAt(0)), centre = WantedByte(foldedAt(middle)),
                 last = WantedByte(foldedAt(m - 1));
    constexpr std::size_t kBlock = 16, kStep = 2 * kBlock;
    std::size_t pos = from;
    for (; pos + m - 1 + kStep <= n; pos += kStep) {
        unsigned places = 0;  // a bit for each place whose three bytes fit, the lowest for pos
        for (std::size_t half = 0; half < kStep; half += kBlock) {
            const unsigned char* at = bytes + pos + half;
            const __m128i hits =
                _mm_and_si128(_mm_and_si128(Fits(at, first), Fits(at + middle, centre)), Fits(at + m - 1, last));
            places |= static_cast<unsigned>(_mm_movemask_epi8(hits)) << half;
        }
        for (; places != 0; places &= places - 1) {
            const std::size_t at = pos + static_cast<std::size_t>(__builtin_ctz(places));
            if (MatchesAt(folds, bytes, at, part)) return at;
        }
    }
    for (; pos + m <= n; ++pos)
        if (MatchesAt(folds, bytes, pos, part)) return pos;
    return std::string_view::npos;
}

}  // namespace textSearch

#else

namespace textSearch {

bool ProcessorHasSse2() { return false; }

std::size_t FindByBlocks(std::string_view text, std::string_view part, std::size_t from) {
    return FindByBytes(text, part, from);
}

}  // namespace textSearch

#endif
