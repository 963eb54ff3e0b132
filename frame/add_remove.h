#pragma once
// Registry helper: the program's run-at-log-on value and its entry in the
// list of installed programs, on top of five generic registry members. No
// member raises an error; the procedures tell whether the registry took the
// change, so that a caller can tell the user.
#include <optional>
#include <string>

#include "platform/registry.h"

class AddRemove {
public:
    // A variant result: a text, or nothing at all (which is not the same as "").
    using Variant = std::optional<std::string>;
    using HKEY = platform::reg::Key;

    bool AddToList(const std::string& ProgramName, const std::string& UninstallCommand);
    bool RemoveFromList(const std::string& ProgramName);
    // The value is named after the program and holds the command line as given.
    bool AddToRun(const std::string& ProgramName, const std::string& FileToRun);
    bool RemoveFromRun(const std::string& ProgramName);
    bool SaveKey(HKEY hKey, const std::string& strPath);
    // The text of a REG_SZ value; nothing for any other type or a missing value.
    Variant GetString(HKEY hKey, const std::string& strPath, const std::string& strValue);
    bool SaveString(HKEY hKey, const std::string& strPath, const std::string& strValue, const std::string& strdata);
    // Both results are always empty.
    Variant DeleteValue(HKEY hKey, const std::string& strPath, const std::string& strValue);
    Variant DeleteKey(HKEY hKey, const std::string& strPath);

    static const char* const kRunKey;
    static std::string UninstallKey(const std::string& ProgramName);
};

// The run-at-log-on command of the running program: its own path, quoted so
// that a folder with blanks cannot start another program.
std::string OwnRunCommand();
