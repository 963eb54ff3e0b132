// The Internet Explorer toolbar button and the registry routines beneath it,
// on the simulated registry: exact values, their order, access rights, and
// every key closed again (the fixture checks that).
#include <algorithm>
#include <vector>

#include "blocker/c_register.h"
#include "blocker/mod_ie_tools.h"
#include "frame/product_info.h"
#include "tests/support/sim_test.h"

namespace {

using namespace windhover;
using platform::reg::kCurrentUser;
using platform::reg::kLocalMachine;
namespace reg = platform::reg;

const std::string kExtensions = "Software\\Microsoft\\Internet Explorer\\Extensions";

// Everything a root holds, keys, values, types and bytes, as one text, so
// that "nothing changed" is one comparison.
void DumpKey(const sim::RegistryKey& key, const std::string& path, std::string* out) {
    for (const auto& [name, value] : key.values)
        *out += path + " [" + name + "] " + std::to_string(value.type) + " " + value.data + "\n";
    for (const auto& [name, sub] : key.subkeys) {
        *out += path + "\\" + sub.name + "\n";
        DumpKey(sub, path + "\\" + sub.name, out);
    }
}

class RegistryTest : public SimTest {
protected:
    std::string Dump() {
        std::string out;
        for (const auto& [root, key] : m().registry.roots) DumpKey(key, std::to_string(root), &out);
        return out;
    }
};

// --- CRegister ---------------------------------------------------------------

TEST(CRegisterTrimSlashes, DropsOneBackslashAtEachEnd) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"\\", ""},
        {"\\\\", ""},
        {"\\Software\\Key\\", "Software\\Key"},
        {"\\\\Software\\Key\\\\", "\\Software\\Key\\"},
        {"\\Software", "Software"},
        {"Software\\", "Software"},
        {"Software\\Key", "Software\\Key"},
    };
    for (const auto& c : cases) EXPECT_EQ(CRegister::TrimSlashes(c.path), c.expected) << "path " << c.path;
}

class CRegisterTest : public RegistryTest {
protected:
    const std::string path = "Software\\Quillmere\\Test";
};

TEST_F(CRegisterTest, ReadRegistryGivesTheTextOrTheDefault) {
    auto& r = m().registry;
    r.setValue(kCurrentUser, path, "sz", reg::kSz, std::string("text\0", 5));
    r.setValue(kCurrentUser, path, "noNul", reg::kSz, "text");
    r.setValue(kCurrentUser, path, "innerNul", reg::kSz, std::string("ab\0cd\0", 6));
    r.setValue(kCurrentUser, path, "emptySz", reg::kSz, "");
    r.setValue(kCurrentUser, path, "nulOnly", reg::kSz, std::string("\0", 1));
    r.setValue(kCurrentUser, path, "dword", reg::kDword, std::string("\x05\0\0\0", 4));
    r.setValue(kCurrentUser, path, "", reg::kSz, std::string("unnamed\0", 8));

    const struct {
        std::string key;
        const char* name;
        std::string expected;
    } cases[] = {
        {path, "sz", "text"},
        {path, "SZ", "text"},
        {path, "noNul", "text"},  // its last letter is no terminator
        {path, "innerNul", std::string("ab\0cd", 5)},
        {path, "emptySz", "dflt"},  // a size of 0 reads nothing
        {path, "nulOnly", ""},
        {path, "dword", std::string("\x05\0\0", 3)},  // the type is not looked at
        {path, "*", "unnamed"},
        {path, "missing", "dflt"},
        {"\\" + path + "\\", "sz", "text"},
        {path + "\\Missing", "sz", "dflt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CRegister::ReadRegistry(kCurrentUser, c.key, c.name, "dflt"), c.expected)
            << "value " << c.name << " in " << c.key;
}

TEST_F(CRegisterTest, ReadRegistryReadsWhatALimitedUserMayNotChange) {
    m().registry.setString(kLocalMachine, path, "name", "machine");
    m().registry.localMachineReadOnly = true;
    EXPECT_EQ(CRegister::ReadRegistry(kLocalMachine, path, "name", "dflt"), "machine");
    EXPECT_EQ(CRegister::ReadRegistry(kLocalMachine, path + "\\Missing", "name", "dflt"), "dflt");
}

TEST_F(CRegisterTest, WriteRegistryStoresTheTextWithItsNul) {
    EXPECT_TRUE(CRegister::WriteRegistry(kCurrentUser, "\\" + path + "\\", "name", "C:\\Program Files\\a.exe"));
    EXPECT_EQ(StoredString(kCurrentUser, path, "name"), std::string("C:\\Program Files\\a.exe\0", 23));
    EXPECT_TRUE(CRegister::WriteRegistry(kCurrentUser, path, "name", ""));
    EXPECT_EQ(StoredString(kCurrentUser, path, "name"), std::string("\0", 1));
    EXPECT_TRUE(CRegister::WriteRegistry(kCurrentUser, path, "*", "unnamed"));
    EXPECT_EQ(StoredString(kCurrentUser, path, ""), std::string("unnamed\0", 8));
}

TEST_F(CRegisterTest, WriteRegistryFailsWhereTheUserMayNotWrite) {
    m().registry.setString(kLocalMachine, path, "name", "old");
    m().registry.localMachineReadOnly = true;
    const std::string before = Dump();
    EXPECT_FALSE(CRegister::WriteRegistry(kLocalMachine, path, "name", "new"));
    EXPECT_FALSE(CRegister::WriteRegistry(kLocalMachine, path + "\\New", "name", "new"));
    EXPECT_EQ(Dump(), before);
}

TEST_F(CRegisterTest, DeleteRegistryDeletesAValueOrAKey) {
    auto& r = m().registry;
    const std::string parent = "Software\\Quillmere";
    const struct {
        const char* what;
        std::string key;
        const char* name;
        bool deleted;
        bool namedLeft;    // "name" in `path` afterwards
        bool unnamedLeft;  // the unnamed value of `path` afterwards
        bool keyLeft;      // `path` afterwards
    } cases[] = {
        {"a value", path, "name", true, false, true, true},
        {"a value through a slashed path", "\\" + path + "\\", "name", true, false, true, true},
        {"the unnamed value", path, "*", true, true, false, true},
        {"a missing value", path, "missing", false, true, true, true},
        {"a value in a missing key", path + "\\Missing", "name", false, true, true, true},
        {"the key", path, "", true, false, false, false},
        {"a missing key", path + "\\Missing", "", false, true, true, true},
        {"a key with a subkey", parent, "", false, true, true, true},
    };
    for (const auto& c : cases) {
        r.roots.clear();
        r.setString(kCurrentUser, path, "name", "text");
        r.setString(kCurrentUser, path, "", "unnamed");
        EXPECT_EQ(CRegister::DeleteRegistry(kCurrentUser, c.key, c.name), c.deleted) << c.what;
        EXPECT_EQ(r.value(kCurrentUser, path, "name").has_value(), c.namedLeft) << c.what;
        EXPECT_EQ(r.value(kCurrentUser, path, "").has_value(), c.unnamedLeft) << c.what;
        EXPECT_EQ(r.keyExists(kCurrentUser, path), c.keyLeft) << c.what;
        EXPECT_TRUE(r.keyExists(kCurrentUser, parent)) << c.what;
    }
}

TEST_F(CRegisterTest, DeleteRegistryFailsWhereTheUserMayNotWrite) {
    m().registry.setString(kLocalMachine, path, "name", "text");
    m().registry.localMachineReadOnly = true;
    const std::string before = Dump();
    EXPECT_FALSE(CRegister::DeleteRegistry(kLocalMachine, path, "name"));
    EXPECT_FALSE(CRegister::DeleteRegistry(kLocalMachine, path, ""));
    EXPECT_EQ(Dump(), before);
}

// --- modIETools --------------------------------------------------------------

class IEButtonTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        m().ownVersion.productName = "Windhover";
        m().files.programFolder = "C:\\Program Files\\Quillmere\\Windhover";
        m().files.executableName = "windhover";
        modProductInfo::LoadProductInfo();
    }

    // The button key's values, by name, in the order they were last written.
    std::vector<std::string> WriteOrder() {
        const std::string button = sim::Fold(std::string("HKLM\\") + modIETools::kButtonKey);
        std::vector<std::string> names;
        for (const auto& write : sim::Journal<sim::RegistryWrite>()) {
            if (write.op != sim::RegistryWrite::SetValue || write.result != 0 || sim::Fold(write.key) != button)
                continue;
            const std::string name = sim::Fold(write.name);
            std::erase(names, name);
            names.push_back(name);
        }
        return names;
    }
};

TEST_F(IEButtonTest, AddIEButtonWritesTheEightValuesInTheirOrder) {
    const struct {
        const char* folder;
        const char* executable;
        const char* product;
    } installs[] = {
        {"C:\\Program Files\\Quillmere\\Windhover", "windhover", "Windhover"},
        {"D:\\Tools", "Hover2", "Windhover Pro"},
    };
    for (const auto& install : installs) {
        m().registry.roots.clear();
        m().journal.clear();
        m().files.programFolder = install.folder;
        m().files.executableName = install.executable;
        m().ownVersion.productName = install.product;
        modProductInfo::LoadProductInfo();
        modIETools::AddIEButton();

        const std::string folder = install.folder, product = install.product;
        const struct {
            const char* name;
            std::string data;
        } values[] = {
            {"ButtonText", product},
            {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
            {"Default Visible", "Yes"},
            {"Exec", folder + "\\" + install.executable + ".exe"},
            {"HotIcon", folder + "\\hoticon.ico"},
            {"Icon", folder + "\\icon.ico"},
            {"MenuStatusBar", product},
            {"MenuText", "&" + product},
        };
        std::vector<std::string> expectedOrder;
        for (const auto& v : values) {
            EXPECT_EQ(StoredString(kLocalMachine, modIETools::kButtonKey, v.name), v.data + '\0')
                << v.name << " in " << folder;
            expectedOrder.push_back(sim::Fold(v.name));
        }
        EXPECT_EQ(WriteOrder(), expectedOrder);
    }
    EXPECT_EQ(std::string(modIETools::kButtonKey),
              "Software\\Microsoft\\Internet Explorer\\Extensions\\{ECC5777A-6E88-BFCE-13CE-81F134789E7B}");
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(IEButtonTest, AddingTwiceRewritesTheSameButton) {
    m().registry.createKey(kLocalMachine, kExtensions + "\\{Other}");
    modIETools::AddIEButton();
    const std::string once = Dump();
    modIETools::AddIEButton();
    EXPECT_EQ(Dump(), once);
    EXPECT_EQ(m().registry.keyPaths(kLocalMachine).size(), 6u) << "Software, Microsoft, IE, Extensions and two keys";
}

TEST_F(IEButtonTest, ALimitedUserGetsNoButtonAndNoMessage) {
    m().registry.createKey(kLocalMachine, kExtensions);
    m().registry.localMachineReadOnly = true;
    const std::string before = Dump();
    modIETools::AddIEButton();
    EXPECT_EQ(Dump(), before);
    modIETools::RemoveIEButton();
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(IEButtonTest, RemoveIEButtonDeletesOnlyTheButtonKey) {
    m().registry.createKey(kLocalMachine, kExtensions + "\\{Other}");
    const std::string without = Dump();
    modIETools::AddIEButton();
    modIETools::RemoveIEButton();
    EXPECT_EQ(Dump(), without);
    modIETools::RemoveIEButton();
    EXPECT_EQ(Dump(), without) << "removing when there is no button changes nothing";
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(IEButtonTest, CheckIEButtonChangesNothing) {
    auto& r = m().registry;
    r.setString(kLocalMachine, modIETools::kBrowserPathKey, "", "C:\\Program Files\\Internet Explorer\\iexplore.exe");
    const struct {
        const char* what;
        bool button;
        bool readOnly;
    } cases[] = {
        {"no button", false, false},
        {"a button", true, false},
        {"a button, limited user", true, true},
        {"no button, limited user", false, true},
    };
    for (const auto& c : cases) {
        r.localMachineReadOnly = false;
        modIETools::RemoveIEButton();
        if (c.button) modIETools::AddIEButton();
        r.localMachineReadOnly = c.readOnly;
        const std::string before = Dump();
        modIETools::CheckIEButton();
        EXPECT_EQ(Dump(), before) << c.what;
    }
    EXPECT_TRUE(p().messageBoxes.empty());
}

}  // namespace
