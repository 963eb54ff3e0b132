#pragma once
// The simulated registry: keys and values a test stages and reads back, the
// roots the user may not write, and the key handles the process holds.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/types.h"

namespace sim {

using platform::Handle;

struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // the bytes exactly as stored
};

// The calls of the registry contract, for staging their failures.
enum class RegistryCall {
    OpenKey,
    OpenKeyEx,
    CreateKey,
    CreateKeyEx,
    QueryValue,
    SetValue,
    DeleteValue,
    DeleteKey,
    CloseKey,
};

struct RegistryKey {
    std::string name;                             // as created
    std::map<std::string, RegistryValue> values;  // by folded name
    std::map<std::string, RegistryKey> subkeys;   // by folded name
};

class Registry {
public:
    // Staging and reading back, by root and backslash path.
    void setValue(platform::reg::Key root, const std::string& path, const std::string& name, std::uint32_t type,
                  const std::string& data);
    void setString(platform::reg::Key root, const std::string& path, const std::string& name,
                   const std::string& text);  // REG_SZ with its NUL
    void createKey(platform::reg::Key root, const std::string& path);
    std::optional<RegistryValue> value(platform::reg::Key root, const std::string& path, const std::string& name) const;
    bool keyExists(platform::reg::Key root, const std::string& path) const;
    // Every path of the root that exists, for tests that check nothing was created.
    std::vector<std::string> keyPaths(platform::reg::Key root) const;

    // A root the program may read but not write: HKEY_LOCAL_MACHINE as a
    // limited user sees it, or a locked-down HKEY_CURRENT_USER.
    bool localMachineReadOnly = false;
    bool currentUserReadOnly = false;
    bool readOnly(platform::reg::Key root) const;

    // Calls that fail as the system refuses them: each of the next calls of
    // that kind answers the code at the front and does nothing (0 answers as
    // usual). The registry calls never raise.
    std::map<RegistryCall, std::deque<long>> failures;

    // Backend use.
    RegistryKey* find(platform::reg::Key root, const std::string& path);
    RegistryKey* create(platform::reg::Key root, const std::string& path);
    std::map<platform::reg::Key, RegistryKey> roots;
};

// A key handle the process holds.
struct OpenKey {
    platform::reg::Key root;
    std::string path;
    bool writable;
};

// The registry keys the process has open, as "HKCU\path", by handle.
std::map<Handle, std::string> OpenKeys();

}  // namespace sim
