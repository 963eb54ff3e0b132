#pragma once
// Settings that hold for every user of the machine: REG_SZ values under
// HKEY_LOCAL_MACHINE\SOFTWARE\<company>\<application>\<section>.
#include <cstdint>
#include <string>

#include "platform/error.h"

namespace nightjar::modMachineSettings {

// What GetMachineSetting raises for a value stored as another type than a
// string: the registry key it lies under and the type it has.
class NotAString : public platform::Error {
public:
    NotAString(long number, const std::string& key, std::uint32_t type)
        : platform::Error(number, "Registry data not a string"), key_(key), type_(type) {}
    const std::string& key() const { return key_; }
    std::uint32_t type() const { return type_; }

private:
    std::string key_;
    std::uint32_t type_;
};

// Stores the text; reports nothing to the caller. A registry step that is
// refused brings the "Permission Denied" question unless the user silenced it.
void SaveMachineSetting(const std::string& appName, const std::string& section, const std::string& key,
                        const std::string& value);

// The stored text, or `defaultValue` when the key or the value is missing.
// Raises platform::Error for an empty name and a key that cannot be opened,
// NotAString for a value that is not a string.
std::string GetMachineSetting(const std::string& appName, const std::string& section, const std::string& key,
                              const std::string& defaultValue);

// The base of the error numbers GetMachineSetting raises.
inline constexpr long kErrorBase = static_cast<long>(static_cast<int>(0x80040000u));

}  // namespace nightjar::modMachineSettings
