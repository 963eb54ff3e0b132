// The machine-wide settings under HKEY_LOCAL_MACHINE\SOFTWARE\<company>.
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

TEST_F(MachineSettingsTest, ALimitedAccountStoresNothingAndIsNotAsked) {
    m().registry.localMachineReadOnly = true;
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    EXPECT_FALSE(m().registry.keyExists(reg::kLocalMachine, kKey));
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(MachineSettingsTest, ARaisingStepAsksAndRetryRunsItAgain) {
    m().registry.raises["SetValue"] = 1;
    p().answers = {platform::kIdRetry};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    const auto& box = p().messageBoxes[0];
    EXPECT_EQ(box.title, "Permission Denied");
    EXPECT_EQ(box.buttons, platform::kMbAbortRetryIgnore);
    EXPECT_EQ(box.icon, 0u);
    EXPECT_EQ(box.text,
              "Nightjar requires read/write access to the system registry and hard drive in order to run properly.  "
              "This user account does not have the proper permissions set.  As a result some or all of your "
              "settings may not be properly saved.  Please contact your system administrator or change the "
              "permission settings for this account.\r\n\r\nIf you would like to prevent this error message from "
              "being displayed again, please press 'Ignore'.");
    EXPECT_EQ(Stored("Auto"), std::string("1\0", 2)) << "the retried step stored the value";
}

TEST_F(MachineSettingsTest, AbortStoresNothingAndAsksAgainNextTime) {
    m().registry.raises["CreateKeyEx"] = 2;
    p().answers = {platform::kIdAbort, platform::kIdAbort};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    EXPECT_EQ(p().messageBoxes.size(), 2u);
    EXPECT_FALSE(m().registry.keyExists(reg::kLocalMachine, kKey));
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), "<none>");
}

TEST_F(MachineSettingsTest, IgnoreSilencesEveryLaterFailure) {
    m().registry.raises["CreateKeyEx"] = 3;
    p().answers = {platform::kIdIgnore};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), std::string("1\0", 2));
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Startup", "1");
    EXPECT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_EQ(Stored("Auto"), "<none>");
}

TEST_F(MachineSettingsTest, AnIgnoreThatCannotBeStoredIsToldOnceAndTheQuestionComesAgain) {
    m().registry.raises["CreateKeyEx"] = 3;
    m().registry.currentUserReadOnly = true;
    p().answers = {platform::kIdIgnore, platform::kIdOk, platform::kIdIgnore, platform::kIdIgnore};
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Auto", "1");
    SaveMachineSetting("duskwing", "Settings", "Startup", "1");
    std::vector<std::string> titles;
    for (const auto& box : p().messageBoxes) titles.push_back(box.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Permission Denied", "Nightjar", "Permission Denied",
                                                "Permission Denied"}));
    ASSERT_GE(p().messageBoxes.size(), 2u);
    EXPECT_NE(p().messageBoxes[1].text.find("\"IgnorePermissionDeniedError\""), std::string::npos)
        << p().messageBoxes[1].text;
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), "<none>");
}

}  // namespace
