// The run-at-log-on value and the installed-programs entry, on generic registry members.
#include "frame/add_remove.h"

#include "frame/registry_text.h"
#include "platform/files.h"

namespace reg = platform::reg;

const char* const AddRemove::kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string AddRemove::UninstallKey(const std::string& ProgramName) {
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + ProgramName;
}

std::string OwnRunCommand() {
    return '"' + platform::files::ProgramFolder() + "\\" + platform::files::ExecutableName() + ".exe\"";
}

namespace {

long RemoveValue(reg::Key root, const std::string& path, const std::string& name) {
    reg::Key handle = 0;
    long result = reg::OpenKey(root, path, &handle);
    if (result != 0) return result;
    result = reg::DeleteValue(handle, name);
    reg::CloseKey(handle);
    return result;
}

// Removing what is not there leaves the registry as the caller wants it.
bool Removed(long result) { return result == 0 || result == platform::kErrorFileNotFound; }

}  // namespace

bool AddRemove::AddToList(const std::string& ProgramName, const std::string& UninstallCommand) {
    const bool name = SaveString(reg::kLocalMachine, UninstallKey(ProgramName), "DisplayName", ProgramName);
    const bool command = SaveString(reg::kLocalMachine, UninstallKey(ProgramName), "UninstallString", UninstallCommand);
    return name && command;
}

bool AddRemove::RemoveFromList(const std::string& ProgramName) {
    return Removed(reg::DeleteKey(reg::kLocalMachine, UninstallKey(ProgramName)));
}

bool AddRemove::AddToRun(const std::string& ProgramName, const std::string& FileToRun) {
    return SaveString(reg::kLocalMachine, kRunKey, ProgramName, FileToRun);
}

bool AddRemove::RemoveFromRun(const std::string& ProgramName) {
    return Removed(RemoveValue(reg::kLocalMachine, kRunKey, ProgramName));
}

bool AddRemove::SaveKey(HKEY hKey, const std::string& strPath) {
    reg::Key handle = 0;
    if (reg::CreateKey(hKey, strPath, &handle) != 0) return false;
    reg::CloseKey(handle);
    return true;
}

AddRemove::Variant AddRemove::GetString(HKEY hKey, const std::string& strPath, const std::string& strValue) {
    reg::Key handle = 0;
    if (reg::OpenKey(hKey, strPath, &handle) != 0) return std::nullopt;
    Variant text = ReadStringValue(handle, strValue);
    reg::CloseKey(handle);
    return text;
}

bool AddRemove::SaveString(HKEY hKey, const std::string& strPath, const std::string& strValue,
                           const std::string& strdata) {
    return WriteStringAt(hKey, strPath, strValue, strdata) == 0;
}

AddRemove::Variant AddRemove::DeleteValue(HKEY hKey, const std::string& strPath, const std::string& strValue) {
    RemoveValue(hKey, strPath, strValue);
    return std::nullopt;
}

AddRemove::Variant AddRemove::DeleteKey(HKEY hKey, const std::string& strPath) {
    reg::DeleteKey(hKey, strPath);
    return std::nullopt;
}
