// The running Windows version described as text.
#include "svcstop/cls_os.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/text_fold.h"

namespace nightjar {

namespace {

using platform::UpperCased;
using platform::version::OsVersionInfo;

// The service-pack text with every NUL removed.
std::string CsdText(const OsVersionInfo& info) {
    std::string text(info.csdVersion, sizeof info.csdVersion);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// major + "." + minor
std::string Dotted(const OsVersionInfo& info) {
    std::string text = std::to_string(info.majorVersion);
    text += '.';
    text += std::to_string(info.minorVersion);
    return text;
}

std::string Unknown(const OsVersionInfo& info) { return "Unknown OS Version " + Dotted(info); }

// The name of the version, and whether the extended record is read.
std::pair<std::string, bool> Name(const OsVersionInfo& info) {
    const std::uint32_t major = info.majorVersion, minor = info.minorVersion, platform = info.platformId;
    const std::string letters = UpperCased(CsdText(info));
    if (major == 3) {
        if (platform == 2) return {"Windows NT " + Dotted(info), false};
        return {Unknown(info), false};
    }
    if (major == 4) {
        if (minor == 0 && platform == 1)
            return {Contains(letters, "C") || Contains(letters, "B") ? "Windows 95 OSR2" : "Windows 95", false};
        if (minor == 0 && platform == 2)
            // Compared by character codes: "SERVICE PACK 6A" is above, "SERVICE PACK 10" below.
            return {"Windows NT 4.0", UpperCased(Trimmed(CsdText(info))).compare("SERVICE PACK 6") >= 0};
        if (minor == 0) return {Unknown(info) + " Platform " + std::to_string(platform), false};
        if (minor == 10) return {Contains(letters, "A") ? "Windows 98 SE" : "Windows 98", false};
        if (minor == 90) return {"Windows ME", false};
        return {Unknown(info), false};
    }
    if (major == 5) {
        static const char* const names[] = {"Windows 2000", "Windows XP", "Windows .NET"};
        return {minor <= 2 ? names[minor] : Unknown(info), true};
    }
    return {Unknown(info), false};
}

std::string Suite(std::uint16_t mask) {
    static const std::vector<std::pair<std::uint16_t, const char*>> suites = {
        {0x0004, "Microsoft BackOffice components are installed ,"},
        {0x0008, "Communications Server installed ,"},
        {0x0080, "Datacenter Server is installed ,"},
        {0x0040, "Embedded NT installed ,"},
        {0x0100, "Single User ,"},
        {0x0001, "Microsoft Small Business Server is installed ,"},
        {0x0020, "Microsoft Small Business Server is installed with the restrictive client license in force ,"},
        {0x0010, "Terminal Services is installed ,"},
    };
    std::string text;
    for (const auto& [bit, description] : suites)
        if (mask & bit) text += description;
    if (text.size() > 2) text.pop_back();
    return text;
}

std::string ProductType(const OsVersionInfo& info) {
    const std::uint32_t major = info.majorVersion, minor = info.minorVersion;
    const auto has = [&](std::uint16_t bit) { return (info.suiteMask & bit) != 0; };
    const bool nt4or2000 = major == 4 || (major == 5 && minor == 0);
    switch (info.productType) {
        case 1:
            if (major == 4) return "Workstation";
            if (major == 5 && minor == 0) return "Professional";
            if (major == 5 && minor == 1) return has(0x0200) ? "Home Edition" : "Professional";
            return std::string();
        case 2:
            return nt4or2000 || (major == 5 && minor <= 2) ? "Domain Controller" : std::string();
        case 3:
            if (nt4or2000) return has(0x0002) ? "Advanced Server" : "Server";
            if (major == 5 && minor == 1) return "Server";
            if (major == 5 && minor == 2) {
                if (has(0x0080)) return "DataCenter Server";
                if (has(0x0002)) return "Enterprise Server";
                if (has(0x0400)) return "Web Server";
                return "Server";
            }
            return std::string();
        default:
            return std::string();
    }
}

}  // namespace

clsOS::clsOS() : clsOS(VersionQuery(platform::version::GetVersionEx)) {}

clsOS::clsOS(const VersionQuery& query) { DetectOS(query); }

void clsOS::DetectOS(const VersionQuery& query) {
    OsVersionInfo info;
    info.size = platform::version::kOsVersionInfoSize;
    if (!query(&info)) return;
    bool extended = false;
    std::tie(OS_Name, extended) = Name(info);
    OS_Version = Dotted(info);
    OS_Build = std::to_string(info.buildNumber);
    OS_Additional = CsdText(info);
    if (!extended) return;
    OsVersionInfo ex;
    ex.size = platform::version::kOsVersionInfoExSize;
    if (!query(&ex)) return;
    const auto spMajor = static_cast<std::int16_t>(ex.servicePackMajor);
    const auto spMinor = static_cast<std::int16_t>(ex.servicePackMinor);
    if (spMajor > 0 || spMinor > 0)
        OS_ServicePack = "Service Pack " + std::to_string(spMajor) + "." + std::to_string(spMinor);
    OS_Suite = Suite(ex.suiteMask);
    OS_ProductType = ProductType(ex);
}

}  // namespace nightjar
