#pragma once
// The rows of the contract checks: each compares what the platform answered
// with what is expected of it, prints "ok" or "FAIL" with both values, and is
// counted for the closing "N passed, M failed" line.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace contract {

inline int passed = 0;
inline int failed = 0;

inline void Section(const char* name) { std::printf("# %s\n", name); }

// Texts with their NULs and other control bytes spelled out, so that a stored
// size shows in the output.
inline std::string Show(const std::string& bytes) {
    std::string shown = "\"";
    for (unsigned char c : bytes) {
        if (c == '\0') {
            shown += "\\0";
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
        } else if (c == '"' || c == '\\') {
            shown += '\\';
            shown += static_cast<char>(c);
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown + "\"";
}
inline std::string Show(const char* text) { return Show(std::string(text)); }
inline std::string Show(const std::optional<std::string>& value) { return value ? Show(*value) : "<nothing>"; }
inline std::string Show(bool value) { return value ? "true" : "false"; }
inline std::string Show(long value) { return std::to_string(value); }
inline std::string Show(int value) { return std::to_string(value); }
inline std::string Show(std::uint32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%lu (0x%lX)", static_cast<unsigned long>(value),
                  static_cast<unsigned long>(value));
    return text;
}

inline void Report(bool ok, const std::string& row, const std::string& detail) {
    if (ok) {
        ++passed;
        std::printf("ok   - %s\n", row.c_str());
    } else {
        ++failed;
        std::printf("FAIL - %s: %s\n", row.c_str(), detail.c_str());
    }
    std::fflush(stdout);
}

template <class Actual, class Expected>
bool Row(const std::string& row, const Actual& actual, const Expected& expected) {
    const bool ok = actual == expected;
    Report(ok, row, "got " + Show(actual) + ", expected " + Show(expected));
    return ok;
}

// A row where Wine is known to answer otherwise than the simulation: either
// answer passes, and Wine's is named when it shows.
template <class Actual, class Expected>
bool RowOrWine(const std::string& row, const Actual& actual, const Expected& expected, const Expected& wine) {
    if (!(actual == expected) && actual == wine) {
        Report(true, row + " (Wine answers " + Show(actual) + " where the simulation gives " + Show(expected) + ")",
               "");
        return true;
    }
    return Row(row, actual, expected);
}

}  // namespace contract
