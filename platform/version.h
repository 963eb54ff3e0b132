#pragma once
// Version information: the running program's own version resource and the
// operating system's version record.
#include <cstdint>
#include <string>

namespace platform::version {

struct ProductVersion {
    std::string productName;
    std::string companyName;
    std::string comments;
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version resource of the running executable.
ProductVersion OwnVersion();

inline constexpr std::uint32_t kOsVersionInfoSize = 148;    // OSVERSIONINFOA
inline constexpr std::uint32_t kOsVersionInfoExSize = 156;  // OSVERSIONINFOEXA
inline constexpr std::uint32_t kPlatformWin32Windows = 1;
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

// The OSVERSIONINFOEXA record. `size` says which form the caller passes: with
// 148 the fields after `csdVersion` are neither read nor written.
struct OsVersionInfo {
    std::uint32_t size = 0;
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
    char csdVersion[128] = {};
    std::uint16_t servicePackMajor = 0;
    std::uint16_t servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;
    std::uint8_t reserved = 0;
};

// GetVersionExA: returns 1 on success, 0 on failure (a wrong size included).
int GetVersionEx(OsVersionInfo* info);

}  // namespace platform::version
