#pragma once
// The two ways of FindNoCase's case-blind search, each giving the same answer
// for every input: sixteen places at a time with SSE2, for the processors
// that have it, and a byte at a time for those that do not (the 32-bit build
// also runs on them). FindNoCase asks the processor once which to take; the
// tests and benchmarks call each by name.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace textSearch {

// ASCII letters folded to lower case; every other byte as it is.
const std::array<unsigned char, 256>& Folds();

// Where part first stands in text at or after from, or npos, as FindNoCase.
std::size_t FindByBlocks(std::string_view text, std::string_view part, std::size_t from);
std::size_t FindByBytes(std::string_view text, std::string_view part, std::size_t from);

// FindByBlocks runs only where this is true.
bool ProcessorHasSse2();

// --- shared by the two ways ---

// The answer where there is nothing to search: a start past the text, an
// empty part (found at the start) or a part longer than what is left.
inline std::optional<std::size_t> AnswerWithoutSearch(std::size_t textSize, std::size_t partSize, std::size_t from) {
    if (from >= textSize) return std::string_view::npos;
    if (partSize == 0) return from;
    if (partSize > textSize - from) return std::string_view::npos;
    return std::nullopt;
}

// The whole part stands at pos, in any letter case.
inline bool MatchesAt(const std::array<unsigned char, 256>& folds, const unsigned char* text, std::size_t pos,
                      std::string_view part) {
    for (std::size_t j = 0; j < part.size(); ++j)
        if (folds[text[pos + j]] != folds[static_cast<unsigned char>(part[j])]) return false;
    return true;
}

}  // namespace textSearch
