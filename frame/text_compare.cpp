// ANSI text compared without regard to letter case.
#include "frame/text_compare.h"

#include <algorithm>

#include "frame/text_search.h"

bool EqualsNoCase(const std::string& a, const std::string& b) {
    const auto& folds = textSearch::Folds();
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
        return folds[static_cast<unsigned char>(x)] == folds[static_cast<unsigned char>(y)];
    });
}

std::size_t FindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    static const auto find = textSearch::ProcessorHasSse2() ? textSearch::FindByBlocks : textSearch::FindByBytes;
    return find(text, part, from);
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return FindNoCase(text, part) != std::string::npos;
}
