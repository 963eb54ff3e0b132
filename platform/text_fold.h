#pragma once
// Text compared without regard to letter case, as the system compares
// service names, file names and list items in the programs' ANSI text: the
// letters A to Z stand for a to z, and every other byte for itself. Keys
// and shown texts in upper case change only a to z.
#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

// The byte with A to Z taken as a to z.
constexpr unsigned char FoldedByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// The text with A to Z taken as a to z.
inline std::string Folded(std::string text) {
    for (char& c : text) c = static_cast<char>(FoldedByte(c));
    return text;
}

// The text with a to z made A to Z.
inline std::string UpperCased(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

inline bool EqualFolded(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldedByte(x) == FoldedByte(y); });
}

// The order of the folded bytes, each taken as unsigned.
inline bool LessFolded(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return FoldedByte(x) < FoldedByte(y); });
}

}  // namespace platform
