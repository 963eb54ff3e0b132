#pragma once
// The per-user settings store: string values by application, section and key
// under HKEY_CURRENT_USER\Software\VB and VBA Program Settings.
#include <string>

// The stored text, or `defaultValue` when the value, its section or its
// application is missing or is not a string value. Never creates anything.
std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& defaultValue);

// Stores the text as REG_SZ, creating the application and section keys.
// Raises platform::Error when the store refuses the write.
void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& value);
