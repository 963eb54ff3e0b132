// The case-blind text search, against a plain search over many texts. Both
// ways of the search (blocks of sixteen places with SSE2, a byte at a time
// without) are checked on the same inputs: the block-wise one near block
// edges, the byte-wise one where its moves could skip a place.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "frame/text_compare.h"
#include "frame/text_search.h"
#include "platform/text_fold.h"

namespace {

std::size_t PlainFindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (from >= text.size()) return std::string::npos;
    auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), part.begin(), part.end(),
                          [&](char a, char b) { return fold(a) == fold(b); });
    return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
}

const struct {
    const char* name;
    std::size_t (*find)(std::string_view, std::string_view, std::size_t);
} kWays[] = {
    {"by blocks", textSearch::FindByBlocks},
    {"by bytes", textSearch::FindByBytes},
    {"FindNoCase", [](std::string_view text, std::string_view part,
                      std::size_t from) { return FindNoCase(std::string(text), std::string(part), from); }},
};

// Every way finds what the plain search finds.
void ExpectAllAgree(const std::string& text, const std::string& part, std::size_t from) {
    const std::size_t expected = PlainFindNoCase(text, part, from);
    for (const auto& way : kWays)
        ASSERT_EQ(way.find(text, part, from), expected)
            << way.name << ": '" << part << "' in '" << text << "' from " << from;
}

TEST(TextCompare, FindsPartsInAnyLetterCase) {
    const struct {
        const char* text;
        const char* part;
        std::size_t from;
        std::size_t found;
    } cases[] = {
        {"www.Example.COM\r\n", "example.com", 0, 4},
        {"abc", "", 0, 0},
        {"abc", "", 2, 2},
        {"abc", "", 3, std::string::npos},
        {"", "", 0, std::string::npos},
        {"abc", "abcd", 0, std::string::npos},
        {"abcd", "BCD", 2, std::string::npos},
        {"ABC", "abc", 0, 0},
        {"xyzABC", "abc", 0, 3},
        {"@[`{", "`{", 0, 2},
        {"@[", "`{", 0, std::string::npos},
        // Only ASCII letters fold: 0xC1 and 0xE1 are different bytes.
        {"\xc1\xe1\xc1", "\xe1\xc1", 0, 1},
        {"\xc1\xc1", "\xe1", 0, std::string::npos},
        {"0123456789abcdef0123456789ABCDEF-tail", "F-TAIL", 0, 31},
        {"http://a/http://b", "HTTP://", 1, 9},
    };
    for (const auto& c : cases)
        for (const auto& way : kWays)
            EXPECT_EQ(way.find(c.text, c.part, c.from), c.found)
                << way.name << ": '" << c.part << "' in '" << c.text << "' from " << c.from;
    // A std::string keeps a zero byte past its end, which no way may take for the text's.
    const std::string endsInA = std::string(63, 'x') + "a", zeroEnded("a\0", 2);
    for (const auto& way : kWays) EXPECT_EQ(way.find(endsInA, zeroEnded, 0), std::string::npos) << way.name;
    EXPECT_FALSE(ContainsNoCase("", ""));
    EXPECT_TRUE(ContainsNoCase("x", ""));
}

// Texts and parts of lengths around one and two blocks, and one longer than
// the byte-wise way's longest move; the part at the start, at the end, in the
// middle, and nearly there (its last byte or its middle one changed): no way
// may miss a place at a block's edge or read past the text.
// The one fold every case-blind comparison uses: the neighbours of the
// letters stay apart, bytes above 127 neither fold nor sort below the letters.
TEST(TextFold, OnlyTheLettersAToZFoldAndBytesSortUnsigned) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
        bool less;
    } rows[] = {
        {"MESSENGER", "Messenger", true, false},
        {"AZ", "az", true, false},
        {"@", "`", false, true},
        {"[", "{", false, true},
        {"Z", "[", false, false},  // z sorts after [ once folded
        {"\xc1", "\xe1", false, true},
        {"zebra", "\xe9t\xe9", false, true},
        {"ab", "ABC", false, true},
        {"", "", true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " / " + row.b);
        EXPECT_EQ(platform::EqualFolded(row.a, row.b), row.equal);
        EXPECT_EQ(EqualsNoCase(row.a, row.b), row.equal);
        EXPECT_EQ(platform::LessFolded(row.a, row.b), row.less);
        EXPECT_FALSE(platform::LessFolded(row.a, row.b) && platform::LessFolded(row.b, row.a));
    }
    EXPECT_EQ(platform::Folded("C:\\WINDOWS\\Allowed.TXT \xc1"), "c:\\windows\\allowed.txt \xc1");
    EXPECT_EQ(platform::UpperCased("Messenger `az{ \xe1"), "MESSENGER `AZ{ \xe1");
}

TEST(TextCompare, AgreesAtBlockEdges) {
    const std::size_t lengths[] = {1, 2, 3, 15, 16, 17, 31, 32, 33, 47, 48, 49, 63, 64, 65, 100, 300};
    for (const std::size_t textLength : lengths)
        for (const std::size_t partLength : lengths) {
            if (partLength > textLength + 1) continue;
            std::string part;
            for (std::size_t i = 0; i < partLength; ++i) part += static_cast<char>('a' + i % 26);
            std::string upper = part;
            for (char& c : upper) c = static_cast<char>(c - 32);
            for (const std::size_t at : {std::size_t{0}, (textLength - std::min(textLength, partLength)) / 2,
                                         textLength - std::min(textLength, partLength)}) {
                std::string text(textLength, '.');
                text.replace(at, std::min(partLength, textLength - at), upper, 0, textLength - at);
                for (std::size_t from : {std::size_t{0}, std::size_t{1}, at})
                    ASSERT_NO_FATAL_FAILURE(ExpectAllAgree(text, part, from));
                std::string nearly = text;
                nearly[std::min(at + partLength, textLength) - 1] = '!';
                ASSERT_NO_FATAL_FAILURE(ExpectAllAgree(nearly, part, 0));
                nearly = text;
                nearly[at + std::min(partLength, textLength - at) / 2] = '!';
                ASSERT_NO_FATAL_FAILURE(ExpectAllAgree(nearly, part, 0));
            }
        }
}

TEST(TextCompare, AgreesWithAPlainSearch) {
    std::mt19937 random(7);
    const std::string alphabet = "aAbB.-@`[{ \r\n\x80\xc1";
    const auto pick = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = pick(random() % 80);
        std::string part = pick(1 + random() % 6);
        if (!text.empty() && random() % 2) {
            const std::size_t at = random() % text.size();
            part = text.substr(at, 1 + random() % 6);
            for (char& c : part)
                if (random() % 2 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        }
        ASSERT_NO_FATAL_FAILURE(ExpectAllAgree(text, part, random() % 4));
    }
}

#if defined(__x86_64__)
TEST(TextCompare, EveryX8664ProcessorHasSse2) { EXPECT_TRUE(textSearch::ProcessorHasSse2()); }
#endif

}  // namespace
