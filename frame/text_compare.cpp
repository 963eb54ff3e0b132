#include "frame/text_compare.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

// Horspool's search on folded bytes: the site lists it searches run to many
// thousands of characters, and most searches find nothing.
std::size_t FindNoCase(const std::string& text, const std::string& part, std::size_t from) {
    const std::size_t n = text.size();
    if (from >= n) return std::string::npos;
    if (part.empty()) return from;
    const std::size_t m = part.size();
    if (m > n - from) return std::string::npos;
    const auto& folds = Folds();
    std::string needle(m, '\0');
    for (std::size_t i = 0; i < m; ++i) needle[i] = static_cast<char>(folds[static_cast<unsigned char>(part[i])]);
    std::array<std::size_t, 256> shift;
    shift.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i) shift[static_cast<unsigned char>(needle[i])] = m - 1 - i;
    // A folded letter shifts like its capital too.
    for (int c = 'A'; c <= 'Z'; ++c) shift[static_cast<std::size_t>(c)] = shift[static_cast<std::size_t>(c + 32)];
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const auto* wanted = reinterpret_cast<const unsigned char*>(needle.data());
    const unsigned char last = wanted[m - 1];
    for (std::size_t pos = from; pos + m <= n;) {
        const unsigned char end = bytes[pos + m - 1];
        if (folds[end] == last) {
            std::size_t j = m - 1;
            while (j > 0 && folds[bytes[pos + j - 1]] == wanted[j - 1]) --j;
            if (j == 0) return pos;
        }
        pos += shift[end];
    }
    return std::string::npos;
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return FindNoCase(text, part) != std::string::npos;
}
