// ANSI text compared without regard to letter case.
#include "frame/text_compare.h"

#include "frame/text_search.h"
#include "platform/text_fold.h"

bool EqualsNoCase(const std::string& a, const std::string& b) { return platform::EqualFolded(a, b); }

std::size_t FindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    static const auto find = textSearch::ProcessorHasSse2() ? textSearch::FindByBlocks : textSearch::FindByBytes;
    return find(text, part, from);
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return FindNoCase(text, part) != std::string::npos;
}
