// The registry helper: run-at-log-on value, uninstall entry and the generic
// string members, with every key closed again.
#include "frame/add_remove.h"
#include "tests/support/sim_test.h"

namespace {

using platform::reg::kCurrentUser;
using platform::reg::kLocalMachine;

// Where Windows looks for programs to start at log-on; spelled out here, not
// taken from the code under test.
const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AddRemoveTest : public SimTest {
protected:
    AddRemove reg;
    const std::string path = "Software\\Quillmere\\Test";
};

TEST_F(AddRemoveTest, SaveStringStoresTheTextWithItsNul) {
    EXPECT_TRUE(reg.SaveString(kCurrentUser, path, "name", "C:\\Program Files\\windhover.exe"));
    EXPECT_EQ(StoredString(kCurrentUser, path, "name"), std::string("C:\\Program Files\\windhover.exe\0", 31));
    EXPECT_TRUE(reg.SaveString(kCurrentUser, path, "empty", ""));
    EXPECT_EQ(StoredString(kCurrentUser, path, "empty"), std::string("\0", 1)) << "empty text is the NUL alone";
}

TEST_F(AddRemoveTest, GetStringReadsOnlyStringValues) {
    auto& r = m().registry;
    r.setValue(kCurrentUser, path, "sz", platform::reg::kSz, std::string("text\0", 5));
    r.setValue(kCurrentUser, path, "noNul", platform::reg::kSz, "whole");
    r.setValue(kCurrentUser, path, "innerNul", platform::reg::kSz, std::string("first\0second", 12));
    r.setValue(kCurrentUser, path, "emptySz", platform::reg::kSz, "");
    r.setValue(kCurrentUser, path, "expand", platform::reg::kExpandSz, std::string("%TEMP%\0", 7));
    r.setValue(kCurrentUser, path, "dword", platform::reg::kDword, std::string("\x05\0\0\0", 4));

    const struct {
        const char* key;
        const char* value;
        std::optional<std::string> expected;
    } cases[] = {
        {"Software\\Quillmere\\Test", "sz", "text"},
        {"Software\\Quillmere\\Test", "noNul", "whole"},
        {"Software\\Quillmere\\Test", "innerNul", "first"},
        {"Software\\Quillmere\\Test", "emptySz", ""},
        {"Software\\Quillmere\\Test", "expand", std::nullopt},
        {"Software\\Quillmere\\Test", "dword", std::nullopt},
        {"Software\\Quillmere\\Test", "missing", std::nullopt},
        {"Software\\Quillmere\\Missing", "sz", std::nullopt},
    };
    for (const auto& c : cases) {
        const AddRemove::Variant got = reg.GetString(kCurrentUser, c.key, c.value);
        EXPECT_EQ(got.has_value(), c.expected.has_value()) << c.value << ": an empty variant is not \"\"";
        if (got && c.expected) {
            EXPECT_EQ(*got, *c.expected) << c.value;
        }
    }
}

TEST_F(AddRemoveTest, RunValueIsAddedReplacedAndRemoved) {
    EXPECT_TRUE(reg.AddToRun("Windhover", "C:\\old\\windhover.exe"));
    EXPECT_TRUE(reg.AddToRun("Windhover", "\"C:\\new\\windhover.exe\""));
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "Windhover"), std::string("\"C:\\new\\windhover.exe\"\0", 23));

    EXPECT_TRUE(reg.RemoveFromRun("Windhover"));
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "Windhover"), "<none>");
    EXPECT_TRUE(reg.RemoveFromRun("Windhover")) << "removing a missing value is no failure";
    EXPECT_TRUE(reg.RemoveFromRun("NeverThere"));
}

TEST_F(AddRemoveTest, UninstallEntryIsWrittenAndDeleted) {
    EXPECT_TRUE(reg.AddToList("Windhover", "C:\\uninstall.exe"));
    const std::string key = AddRemove::UninstallKey("Windhover");
    EXPECT_EQ(key, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Windhover");
    EXPECT_EQ(StoredString(kLocalMachine, key, "DisplayName"), std::string("Windhover\0", 10));
    EXPECT_EQ(StoredString(kLocalMachine, key, "UninstallString"), std::string("C:\\uninstall.exe\0", 17));
    EXPECT_TRUE(reg.RemoveFromList("Windhover"));
    EXPECT_FALSE(m().registry.keyExists(kLocalMachine, key));
}

TEST_F(AddRemoveTest, GenericMembersCreateAndDeleteWithEmptyResults) {
    EXPECT_TRUE(reg.SaveKey(kCurrentUser, "Software\\Quillmere\\Made"));
    EXPECT_TRUE(m().registry.keyExists(kCurrentUser, "Software\\Quillmere\\Made"));
    EXPECT_FALSE(reg.DeleteKey(kCurrentUser, "Software\\Quillmere\\Made").has_value());
    EXPECT_FALSE(m().registry.keyExists(kCurrentUser, "Software\\Quillmere\\Made"));

    reg.SaveString(kCurrentUser, path, "gone", "x");
    EXPECT_FALSE(reg.DeleteValue(kCurrentUser, path, "gone").has_value());
    EXPECT_EQ(StoredString(kCurrentUser, path, "gone"), "<none>");
    EXPECT_FALSE(reg.DeleteValue(kCurrentUser, "Software\\NoSuchKey", "x").has_value());
}

TEST_F(AddRemoveTest, AReadOnlyMachineKeyIsReportedNotPretendedStored) {
    m().registry.createKey(kLocalMachine, kRunKey);
    m().registry.setString(kLocalMachine, kRunKey, "Windhover", "C:\\windhover.exe");
    m().registry.localMachineReadOnly = true;
    EXPECT_FALSE(reg.AddToRun("Nightjar", "C:\\nightjar.exe"));
    EXPECT_FALSE(reg.RemoveFromRun("Windhover"));
    EXPECT_FALSE(reg.AddToList("Nightjar", "x"));
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "Nightjar"), "<none>");
    EXPECT_EQ(StoredString(kLocalMachine, kRunKey, "Windhover"), std::string("C:\\windhover.exe\0", 17));
    EXPECT_EQ(*reg.GetString(kLocalMachine, kRunKey, "Windhover"), "C:\\windhover.exe")
        << "reading still works for a limited user";
}

}  // namespace
