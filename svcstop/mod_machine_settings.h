#pragma once
// Settings that hold for every user of the machine: REG_SZ values under
// HKEY_LOCAL_MACHINE\SOFTWARE\<company>\<application>\<section>.
#include <string>

namespace nightjar::modMachineSettings {

// Stores the text; reports nothing to the caller. A registry step that is
// refused brings the "Permission Denied" question unless the user silenced it.
void SaveMachineSetting(const std::string& appName, const std::string& section, const std::string& key,
                        const std::string& value);

// The stored text, or `defaultValue` when the key or the value is missing.
// Raises platform::Error for an empty name, a key that cannot be opened and a
// value that is not a string.
std::string GetMachineSetting(const std::string& appName, const std::string& section, const std::string& key,
                              const std::string& defaultValue);

// The base of the error numbers GetMachineSetting raises.
inline constexpr long kErrorBase = static_cast<long>(static_cast<int>(0x80040000u));

}  // namespace nightjar::modMachineSettings
