// The case-blind text search, against a plain search over many texts: the
// fast path works on blocks of bytes, so parts near block edges matter.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "frame/text_compare.h"

namespace {

std::size_t PlainFindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (from >= text.size()) return std::string::npos;
    auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), part.begin(), part.end(),
                          [&](char a, char b) { return fold(a) == fold(b); });
    return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
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
        {"", "", 0, std::string::npos},
        {"abc", "abcd", 0, std::string::npos},
        {"@[`{", "`{", 0, 2},
        {"@[", "`{", 0, std::string::npos},
        {"0123456789abcdef0123456789ABCDEF-tail", "F-TAIL", 0, 31},
        {"http://a/http://b", "HTTP://", 1, 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindNoCase(c.text, c.part, c.from), c.found) << "'" << c.part << "' in '" << c.text << "'";
    EXPECT_FALSE(ContainsNoCase("", ""));
    EXPECT_TRUE(ContainsNoCase("x", ""));
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
        const std::size_t from = random() % 4;
        ASSERT_EQ(FindNoCase(text, part, from), PlainFindNoCase(text, part, from))
            << "'" << part << "' in '" << text << "' from " << from;
    }
}

}  // namespace
