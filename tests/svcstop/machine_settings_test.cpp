// The machine-wide settings under HKEY_LOCAL_MACHINE\SOFTWARE\<company>.
#include <functional>

#include "frame/product_info.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "svcstop/mod_machine_settings.h"
#include "tests/support/sim_test.h"

namespace {

using namespace nightjar::modMachineSettings;
namespace reg = platform::reg;

const char kKey[] = "SOFTWARE\\Quillmere\\duskwing\\Settings";

class MachineSettingsTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ProductInfo.ProductName = "Nightjar";
        ProductInfo.CompanyName = "Quillmere";
    }
    std::string Stored(const std::string& name) { return StoredString(reg::kLocalMachine, kKey, name); }
    long FailureOf(const std::string& key) {
        try {
            GetMachineSetting("duskwing", "Settings", key, "0");
        } catch (const platform::Error& error) {
            failureText = error.what();
            return error.number();
        }
        return 0;
    }
    std::string failureText;
};

TEST_F(MachineSettingsTest, WrittenValuesReadBackUnderTheTrimmedPath) {
    EXPECT_EQ(GetMachineSetting("duskwing", "Settings", "Auto", "0"), "0") << "nothing written yet";
    SaveMachineSetting(" duskwing ", "Settings  ", "Auto", "1");
    EXPECT_EQ(Stored("Auto"), std::string("1\0", 2));
    SaveMachineSetting("duskwing", "Settings", "Startup", "");
    EXPECT_EQ(Stored("Startup"), std::string(1, '\0'));
    EXPECT_EQ(GetMachineSetting("  duskwing", " Settings", "Auto", "0"), "1");
    EXPECT_EQ(GetMachineSetting("duskwing", "Settings", "Startup", "0"), "");
    EXPECT_EQ(GetMachineSetting("duskwing", "Settings", "Missing", "dflt"), "dflt") << "key there, value not";
    // The value name is used as given.
    SaveMachineSetting("duskwing", "Settings", " Auto", "0");
    EXPECT_EQ(Stored(" Auto"), std::string("0\0", 2));
    EXPECT_EQ(Stored("Auto"), std::string("1\0", 2));
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(MachineSettingsTest, TheWriterCreatesTheKeyForReadingWritingAndLinks) {
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    const auto writes = sim::Journal<sim::RegistryWrite>();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].op, sim::RegistryWrite::CreateKey);
    EXPECT_EQ(writes[0].key, std::string("HKLM\\") + kKey);
    EXPECT_EQ(writes[0].access, 0x2003Fu);
    EXPECT_EQ(writes[1].op, sim::RegistryWrite::SetValue);
    EXPECT_EQ(writes[1].type, reg::kSz);
}

TEST_F(MachineSettingsTest, AKeyThatCannotBeOpenedFailsWithItsResultCode) {
    m().registry.setString(reg::kLocalMachine, kKey, "Auto", "1");
    const long codes[] = {platform::kErrorAccessDenied, platform::kErrorInvalidHandle, 1450};
    for (const long code : codes) {
        SCOPED_TRACE(code);
        m().registry.failures[sim::RegistryCall::OpenKeyEx] = {code};
        EXPECT_EQ(FailureOf("Auto"), kErrorBase + 2000 + code);
        EXPECT_EQ(failureText, "Could not open registry section");
    }
    EXPECT_EQ(kErrorBase + 2000 + 5, static_cast<long>(static_cast<int>(0x800407D5u)));
    m().registry.failures[sim::RegistryCall::OpenKeyEx] = {platform::kErrorFileNotFound};
    EXPECT_EQ(GetMachineSetting("duskwing", "Settings", "Auto", "dflt"), "dflt") << "a missing key is no failure";
    EXPECT_TRUE(sim::OpenKeys().empty());
}

TEST_F(MachineSettingsTest, AValueStoredWithoutItsZeroByteKeepsItsText) {
    m().registry.setValue(reg::kLocalMachine, kKey, "Auto", reg::kSz, "1");
    EXPECT_EQ(GetMachineSetting("duskwing", "Settings", "Auto", "0"), "1");
}

TEST_F(MachineSettingsTest, ReadFailuresCarryTheirNumbersAndTexts) {
    m().registry.setValue(reg::kLocalMachine, kKey, "Auto", reg::kDword, std::string(4, '\1'));
    EXPECT_EQ(FailureOf("Auto"), kErrorBase + 2000 + 4);
    EXPECT_EQ(failureText, "Registry data not a string");
    EXPECT_EQ(kErrorBase + 2000 + 4, -2147219500L);
    const struct {
        const char *app, *section, *key;
        long number;
        const char* text;
    } rows[] = {
        {" ", "Settings", "Auto", kErrorBase + 1000, "AppName may not be empty"},
        {"duskwing", "", "Auto", kErrorBase + 1001, "Section may not be empty"},
        {"duskwing", "Settings", "  ", kErrorBase + 1002, "Key may not be empty"},
    };
    for (const auto& row : rows) {
        try {
            GetMachineSetting(row.app, row.section, row.key, "0");
            ADD_FAILURE() << row.text;
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.number(), row.number);
            EXPECT_STREQ(error.what(), row.text);
        }
    }
}

// A value of any type but a string raises the base plus 2000 plus the type,
// a 32-bit number alike on both builds: a large type wraps round.
TEST_F(MachineSettingsTest, ANonStringValueOfAnyTypeRaisesA32BitNumber) {
    const struct {
        std::uint32_t type;
        long number;
    } rows[] = {
        {reg::kDword, -2147219500L},
        {reg::kExpandSz, -2147219502L},
        {0x7FFFFFFFu, 264143L},
        {0xFFFFFFFFu, -2147219505L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        m().registry.setValue(reg::kLocalMachine, kKey, "Auto", row.type, "1");
        EXPECT_EQ(FailureOf("Auto"), row.number);
    }
}

// The registry refuses a step as Windows does, with a result code: each row
// is one way a write is refused, and each brings the question.
TEST_F(MachineSettingsTest, ARefusedStepAsksAndRetryRunsItAgain) {
    const struct {
        const char* what;
        std::function<void()> stage;
    } rows[] = {
        {"RegSetValueExA refused", [this] { m().registry.failures[sim::RegistryCall::SetValue] = {5}; }},
        {"RegCreateKeyExA refused", [this] { m().registry.failures[sim::RegistryCall::CreateKeyEx] = {5}; }},
        {"RegCreateKeyExA out of resources",
         [this] { m().registry.failures[sim::RegistryCall::CreateKeyEx] = {1450}; }},
    };
    for (const auto& row : rows) {
        FreshRow(row.what, [&] {
            row.stage();
            p().answers = {platform::kIdRetry};
            SaveMachineSetting("duskwing", "Settings", "Auto", "1");
            ASSERT_EQ(p().messageBoxes.size(), 1u);
            const auto& box = p().messageBoxes[0];
            EXPECT_EQ(box.title, "Permission Denied");
            EXPECT_EQ(box.buttons, platform::kMbAbortRetryIgnore);
            EXPECT_EQ(box.icon, 0u);
            EXPECT_EQ(box.text,
                      "Nightjar requires read/write access to the system registry and hard drive in order to run "
                      "properly.  This user account does not have the proper permissions set.  As a result some or "
                      "all of your settings may not be properly saved.  Please contact your system administrator or "
                      "change the permission settings for this account.\r\n\r\nIf you would like to prevent this "
                      "error message from being displayed again, please press 'Ignore'.");
            EXPECT_EQ(Stored("Auto"), std::string("1\0", 2)) << "the retried step stored the value";
            EXPECT_TRUE(sim::OpenKeys().empty());
        });
    }
}

TEST_F(MachineSettingsTest, ALimitedAccountIsAskedAndStoresNothing) {
    m().registry.localMachineReadOnly = true;
    p().answers = {platform::kIdRetry, platform::kIdAbort};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    EXPECT_EQ(p().messageBoxes.size(), 2u) << "Retry ran the refused step again, and it was refused again";
    EXPECT_FALSE(m().registry.keyExists(reg::kLocalMachine, kKey));
    const auto writes = sim::Journal<sim::RegistryWrite>();
    ASSERT_EQ(writes.size(), 2u);
    for (const auto& write : writes) {
        EXPECT_EQ(write.op, sim::RegistryWrite::CreateKey);
        EXPECT_EQ(write.result, platform::kErrorAccessDenied);
    }
}

TEST_F(MachineSettingsTest, AbortStoresNothingAndAsksAgainNextTime) {
    m().registry.failures[sim::RegistryCall::CreateKeyEx] = {5, 5};
    p().answers = {platform::kIdAbort, platform::kIdAbort};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    EXPECT_EQ(p().messageBoxes.size(), 2u);
    EXPECT_FALSE(m().registry.keyExists(reg::kLocalMachine, kKey));
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), "<none>");
}

TEST_F(MachineSettingsTest, IgnoreSilencesEveryLaterFailure) {
    m().registry.localMachineReadOnly = true;
    p().answers = {platform::kIdIgnore};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), std::string("1\0", 2));
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Startup", "1");
    EXPECT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(Stored("Auto"), "<none>");
}

TEST_F(MachineSettingsTest, AnIgnoreThatCannotBeStoredIsToldOnceAndTheQuestionComesAgain) {
    m().registry.localMachineReadOnly = true;
    m().registry.currentUserReadOnly = true;
    p().answers = {platform::kIdIgnore, platform::kIdOk, platform::kIdIgnore, platform::kIdIgnore};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Startup", "1");
    std::vector<std::string> titles;
    for (const auto& box : p().messageBoxes) titles.push_back(box.title);
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Permission Denied", "Nightjar", "Permission Denied", "Permission Denied"}));
    ASSERT_GE(p().messageBoxes.size(), 2u);
    EXPECT_NE(p().messageBoxes[1].text.find("\"IgnorePermissionDeniedError\""), std::string::npos)
        << p().messageBoxes[1].text;
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), "<none>");
}

}  // namespace
