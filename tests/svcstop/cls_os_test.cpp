// The operating-system probe over version records supplied by hand.
#include <gtest/gtest.h>

#include <cstring>

#include "svcstop/cls_os.h"
#include "tests/support/sim_test.h"

namespace {

using nightjar::clsOS;
using platform::version::OsVersionInfo;

struct Record {
    std::uint32_t major, minor, build, platform;
    const char* csd;
    std::uint16_t spMajor = 0, spMinor = 0, suite = 0;
    std::uint8_t product = 0;
    bool extendedFails = false;
};

struct Probe {
    clsOS os;
    int extendedQueries = 0;
};

// Describes the record; the extended query sees the same record.
clsOS Describe(const Record& r, int* extendedQueries = nullptr) {
    return clsOS([r, extendedQueries](OsVersionInfo* info) {
        const std::uint32_t size = info->size;
        if (size == platform::version::kOsVersionInfoExSize) {
            if (extendedQueries) ++*extendedQueries;
            if (r.extendedFails) return 0;
            info->servicePackMajor = r.spMajor;
            info->servicePackMinor = r.spMinor;
            info->suiteMask = r.suite;
            info->productType = r.product;
        }
        info->majorVersion = r.major;
        info->minorVersion = r.minor;
        info->buildNumber = r.build;
        info->platformId = r.platform;
        std::memcpy(info->csdVersion, r.csd, std::strlen(r.csd));
        return 1;
    });
}

TEST(clsOS, NamesEveryVersion) {
    const struct {
        Record record;
        const char* name;
        bool extended;
    } rows[] = {
        {{3, 51, 1057, 2, ""}, "Windows NT 3.51", false},
        {{3, 10, 0, 1, ""}, "Unknown OS Version 3.10", false},
        {{4, 0, 950, 1, ""}, "Windows 95", false},
        {{4, 0, 950, 1, " B"}, "Windows 95 OSR2", false},
        {{4, 0, 950, 1, " c"}, "Windows 95 OSR2", false},
        {{4, 0, 1381, 2, "Service Pack 5"}, "Windows NT 4.0", false},
        {{4, 0, 1381, 2, "Service Pack 6a"}, "Windows NT 4.0", true},
        {{4, 0, 1381, 2, "  service pack 6 "}, "Windows NT 4.0", true},
        {{4, 0, 1381, 2, "Service Pack 10"}, "Windows NT 4.0", false},
        {{4, 0, 1381, 2, ""}, "Windows NT 4.0", false},
        {{4, 0, 1, 3, ""}, "Unknown OS Version 4.0 Platform 3", false},
        {{4, 10, 2222, 1, " A "}, "Windows 98 SE", false},
        {{4, 10, 2222, 1, " a"}, "Windows 98 SE", false},
        {{4, 10, 1998, 1, ""}, "Windows 98", false},
        {{4, 90, 3000, 1, ""}, "Windows ME", false},
        {{4, 20, 0, 1, ""}, "Unknown OS Version 4.20", false},
        {{5, 0, 2195, 2, ""}, "Windows 2000", true},
        {{5, 1, 2600, 2, "Service Pack 3"}, "Windows XP", true},
        {{5, 2, 3790, 2, ""}, "Windows .NET", true},
        {{5, 3, 0, 2, ""}, "Unknown OS Version 5.3", true},
        {{6, 0, 6000, 2, ""}, "Unknown OS Version 6.0", false},
    };
    for (const auto& row : rows) {
        int extendedQueries = 0;
        const clsOS os = Describe(row.record, &extendedQueries);
        EXPECT_EQ(os.OS_Name, row.name) << row.record.csd;
        EXPECT_EQ(extendedQueries, row.extended ? 1 : 0) << row.name << " / " << row.record.csd;
    }
}

TEST(clsOS, VersionBuildAndServicePackTexts) {
    const clsOS nt4 = Describe({4, 0, 1381, 2, "Service Pack 5"});
    EXPECT_EQ(nt4.OS_Version, "4.0");
    EXPECT_EQ(nt4.OS_Build, "1381");
    EXPECT_EQ(nt4.OS_Additional, "Service Pack 5");
    EXPECT_EQ(nt4.OS_ServicePack, "");
    const clsOS me = Describe({4, 10, (4u << 24) + (10u << 16) + 2222, 1, " A "});
    EXPECT_EQ(me.OS_Build, "67766446") << "the whole field, not its low word";
    EXPECT_EQ(me.OS_Additional, " A ");
    const clsOS xp = Describe({5, 1, 2600, 2, "Service Pack 2", 2, 0, 0, 1});
    EXPECT_EQ(xp.OS_ServicePack, "Service Pack 2.0");
    EXPECT_EQ(xp.OS_ProductType, "Professional");
    EXPECT_EQ(Describe({5, 1, 2600, 2, "", 0, 0, 0, 1}).OS_ServicePack, "");
    const clsOS failed = Describe({5, 1, 2600, 2, "Service Pack 2", 2, 0, 0x0200, 1, true});
    EXPECT_EQ(failed.OS_Name, "Windows XP");
    EXPECT_EQ(failed.OS_ServicePack, "");
    EXPECT_EQ(failed.OS_ProductType, "");
}

TEST(clsOS, SuiteTextsInTheirOrderWithTheLastCommaCut) {
    const struct {
        std::uint16_t suite;
        const char* text;
    } rows[] = {
        {0, ""},
        {0x0010, "Terminal Services is installed "},
        {0x0110, "Single User ,Terminal Services is installed "},
        {0x0084, "Microsoft BackOffice components are installed ,Datacenter Server is installed "},
        {0x0021,
         "Microsoft Small Business Server is installed ,Microsoft Small Business Server is installed with the "
         "restrictive client license in force "},
        {0x0048, "Communications Server installed ,Embedded NT installed "},
        {0x0002, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Describe({5, 0, 2195, 2, "", 0, 0, row.suite, 3}).OS_Suite, row.text) << row.suite;
}

TEST(clsOS, ProductTypes) {
    const struct {
        std::uint32_t major, minor;
        std::uint8_t product;
        std::uint16_t suite;
        const char* text;
    } rows[] = {
        {4, 0, 1, 0, "Workstation"},
        {4, 0, 2, 0, "Domain Controller"},
        {4, 0, 3, 0, "Server"},
        {4, 0, 3, 0x0002, "Advanced Server"},
        {5, 0, 1, 0, "Professional"},
        {5, 0, 2, 0, "Domain Controller"},
        {5, 0, 3, 0x0002, "Advanced Server"},
        {5, 1, 1, 0x0200, "Home Edition"},
        {5, 1, 1, 0, "Professional"},
        {5, 1, 3, 0x0002, "Server"},
        {5, 2, 1, 0, ""},
        {5, 2, 2, 0, "Domain Controller"},
        {5, 2, 3, 0x0082, "DataCenter Server"},
        {5, 2, 3, 0x0002, "Enterprise Server"},
        {5, 2, 3, 0x0400, "Web Server"},
        {5, 2, 3, 0, "Server"},
        {5, 3, 2, 0, ""},
        {5, 1, 4, 0, ""},
    };
    for (const auto& row : rows) {
        const char* csd = row.major == 4 ? "Service Pack 6" : "";
        EXPECT_EQ(Describe({row.major, row.minor, 1, 2, csd, 0, 0, row.suite, row.product}).OS_ProductType, row.text)
            << row.major << "." << row.minor << " type " << int(row.product) << " suite " << row.suite;
    }
}

class clsOSOnTheMachine : public SimTest {};

TEST_F(clsOSOnTheMachine, AFailedQueryLeavesEveryMemberEmpty) {
    const clsOS os;
    EXPECT_EQ(os.OS_Name, "");
    EXPECT_EQ(os.OS_Version, "");
    EXPECT_EQ(os.OS_Build, "");
    OsVersionInfo xp;
    xp.majorVersion = 5;
    xp.minorVersion = 1;
    xp.buildNumber = 2600;
    xp.platformId = 2;
    xp.productType = 1;
    m().os = xp;
    EXPECT_EQ(clsOS().OS_Name, "Windows XP");
    EXPECT_EQ(clsOS().OS_ProductType, "Professional");
}

}  // namespace
