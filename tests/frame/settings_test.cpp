// The per-user settings store: read with a default, never creating anything;
// write as REG_SZ with the terminating NUL.
#include "frame/settings.h"
#include "platform/error.h"
#include "tests/support/sim_test.h"

namespace {

using platform::reg::kCurrentUser;

class SettingsTest : public SimTest {};

TEST_F(SettingsTest, MissingValuesGiveTheDefaultAndCreateNothing) {
    m().registry.createKey(kCurrentUser, "Software\\VB and VBA Program Settings\\Other\\Settings");
    const auto before = m().registry.keyPaths(kCurrentUser);
    const struct {
        const char* application;
        const char* key;
        const char* defaultValue;
    } cases[] = {
        {"Windhover", "showHelp", "1"},  // no application key
        {"Other", "showHelp", "1"},      // section without the value
        {"Other", "state", ""},          // an empty default stays empty
        {"Other", "chkSound", "default text"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetSetting(c.application, "Settings", c.key, c.defaultValue), c.defaultValue)
            << c.application << "\\" << c.key;
    }
    EXPECT_EQ(GetSetting("Other", "Elsewhere", "showHelp", "x"), "x") << "missing section";
    EXPECT_EQ(m().registry.keyPaths(kCurrentUser), before) << "a read created a key";
}

TEST_F(SettingsTest, ValuesOfAnotherTypeReadAsMissing) {
    const std::string path = SettingsPath("Windhover");
    m().registry.setValue(kCurrentUser, path, "asDword", platform::reg::kDword, std::string("\x01\0\0\0", 4));
    m().registry.setValue(kCurrentUser, path, "asExpand", platform::reg::kExpandSz, std::string("1\0", 2));
    m().registry.setValue(kCurrentUser, path, "asBinary", platform::reg::kBinary, "1");
    for (const char* key : {"asDword", "asExpand", "asBinary"})
        EXPECT_EQ(GetSetting("Windhover", "Settings", key, "dflt"), "dflt") << key;
}

TEST_F(SettingsTest, StoredTextIsReadUpToItsNul) {
    const std::string path = SettingsPath("Windhover");
    m().registry.setValue(kCurrentUser, path, "plain", platform::reg::kSz, std::string("up\0", 3));
    m().registry.setValue(kCurrentUser, path, "noNul", platform::reg::kSz, "down");
    m().registry.setValue(kCurrentUser, path, "inner", platform::reg::kSz, std::string("ab\0cd\0", 6));
    m().registry.setValue(kCurrentUser, path, "empty", platform::reg::kSz, "");
    EXPECT_EQ(GetSetting("Windhover", "Settings", "plain", "x"), "up");
    EXPECT_EQ(GetSetting("Windhover", "Settings", "noNul", "x"), "down");
    EXPECT_EQ(GetSetting("Windhover", "Settings", "inner", "x"), "ab");
    EXPECT_EQ(GetSetting("Windhover", "Settings", "empty", "x"), "") << "an empty stored value is a value";
}

TEST_F(SettingsTest, WritesAreStringValuesWithTheirNulAndTheLastOneStays) {
    SaveSetting("Nightjar", "Settings", "IgnorePermissionDeniedError", "0");
    SaveSetting("Nightjar", "Settings", "IgnorePermissionDeniedError", "1");
    EXPECT_EQ(StoredSetting("Nightjar", "IgnorePermissionDeniedError"), std::string("1\0", 2));
    SaveSetting("Nightjar", "Settings", "empty", "");
    EXPECT_EQ(StoredSetting("Nightjar", "empty"), std::string("\0", 1));
    EXPECT_EQ(GetSetting("Nightjar", "Settings", "IgnorePermissionDeniedError", "x"), "1");
    EXPECT_EQ(StoredSetting("Windhover", "IgnorePermissionDeniedError"), "<none>")
        << "the two programs share no setting";
}

TEST_F(SettingsTest, ARefusedWriteRaisesTheRegistrysErrorAndStoresNothing) {
    m().registry.currentUserReadOnly = true;
    try {
        SaveSetting("Windhover", "Settings", "showHelp", "0");
        FAIL() << "the write was refused";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::kErrorAccessDenied);
        EXPECT_NE(std::string(e.what()).find("showHelp"), std::string::npos) << e.what();
    }
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), "<none>");
    EXPECT_FALSE(m().registry.keyExists(kCurrentUser, SettingsPath("Windhover")));
}

TEST_F(SettingsTest, AWriteCreatesTheKeyThenSetsTheValue) {
    SaveSetting("Nightjar", "Settings", "Auto", "1");
    const auto writes = sim::Journal<sim::RegistryWrite>();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].op, sim::RegistryWrite::CreateKey);
    EXPECT_EQ(writes[0].key, "HKCU\\" + SettingsPath("Nightjar"));
    EXPECT_EQ(writes[1].op, sim::RegistryWrite::SetValue);
    EXPECT_EQ(writes[1].name, "Auto");
    EXPECT_EQ(writes[1].type, platform::reg::kSz);
    EXPECT_EQ(writes[1].data, std::string("1\0", 2));
    EXPECT_EQ(writes[1].result, 0);
}

}  // namespace
