#pragma once
// Generic registry routines for one value at a time. Every key a routine
// opens or creates is closed before it returns; none raises an error.
#include <string>

#include "platform/registry.h"

namespace windhover::CRegister {

using HKEY = platform::reg::Key;

// A value name of "*" stands for the key's unnamed (default) value.
inline constexpr const char* kDefaultValue = "*";

// Drops one leading and then one trailing backslash.
std::string TrimSlashes(const std::string& KeyPath);

// The value's text, or `Default` when the key or the value cannot be read.
// The value's type is not looked at.
std::string ReadRegistry(HKEY Root, const std::string& KeyPath, const std::string& ValueName,
                         const std::string& Default);

// Stores the text as REG_SZ, creating the key when it is missing. True when
// the value was written.
bool WriteRegistry(HKEY Root, const std::string& KeyPath, const std::string& ValueName, const std::string& Data);

// Deletes the value; with an empty value name, the key itself (which must
// have no subkeys). True when it was deleted.
bool DeleteRegistry(HKEY Root, const std::string& KeyPath, const std::string& ValueName);

}  // namespace windhover::CRegister
