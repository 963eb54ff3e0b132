// Generic registry routines for one value at a time.
#include "blocker/c_register.h"

#include <cstdint>

#include "frame/registry_text.h"
#include "platform/types.h"

namespace reg = platform::reg;

namespace windhover::CRegister {

namespace {

std::string RegistryName(const std::string& ValueName) { return ValueName == kDefaultValue ? "" : ValueName; }

}  // namespace

std::string TrimSlashes(const std::string& KeyPath) {
    std::string path = KeyPath;
    if (!path.empty() && path.front() == '\\') path.erase(0, 1);
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string ReadRegistry(HKEY Root, const std::string& KeyPath, const std::string& ValueName,
                         const std::string& Default) {
    const std::string path = TrimSlashes(KeyPath);
    reg::Key key = 0;
    long opened = reg::OpenKeyEx(Root, path, reg::kAllAccess, &key);
    // A limited user may still read what it may not change.
    if (opened == platform::kErrorAccessDenied) opened = reg::OpenKeyEx(Root, path, reg::kRead, &key);
    if (opened != 0) return Default;

    std::string result = Default;
    const std::string name = RegistryName(ValueName);
    std::uint32_t size = 0;
    if (reg::QueryValue(key, name, nullptr, nullptr, &size) == 0 && size > 0) {
        std::string buffer(size, ' ');
        if (reg::QueryValue(key, name, nullptr, buffer.data(), &size) == 0) {
            buffer.resize(size);
            // Only the terminating NUL goes: a text stored without one keeps its last character.
            if (!buffer.empty() && buffer.back() == '\0') buffer.pop_back();
            result = buffer;
        }
    }
    reg::CloseKey(key);
    return result;
}

bool WriteRegistry(HKEY Root, const std::string& KeyPath, const std::string& ValueName, const std::string& Data) {
    reg::Key key = 0;
    if (reg::CreateKeyEx(Root, TrimSlashes(KeyPath), reg::kAllAccess, &key) != 0) return false;
    const long result = WriteStringValue(key, RegistryName(ValueName), Data);
    reg::CloseKey(key);
    return result == 0;
}

bool DeleteRegistry(HKEY Root, const std::string& KeyPath, const std::string& ValueName) {
    reg::Key key = 0;
    long result = 0;
    if (ValueName.empty()) {
        // The key goes through a handle of the root itself, by its path as given.
        if (reg::OpenKeyEx(Root, "", reg::kAllAccess, &key) != 0) return false;
        result = reg::DeleteKey(key, KeyPath);
    } else {
        if (reg::OpenKeyEx(Root, TrimSlashes(KeyPath), reg::kAllAccess, &key) != 0) return false;
        result = reg::DeleteValue(key, RegistryName(ValueName));
    }
    reg::CloseKey(key);
    return result == 0;
}

}  // namespace windhover::CRegister
