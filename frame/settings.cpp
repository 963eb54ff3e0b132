// The per-user settings store under HKEY_CURRENT_USER.
#include "frame/settings.h"

#include "frame/registry_text.h"
#include "platform/error.h"
#include "platform/registry.h"

namespace reg = platform::reg;

namespace {

std::string SectionPath(const std::string& application, const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + application + "\\" + section;
}

}  // namespace

std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& defaultValue) {
    reg::Key handle = 0;
    if (reg::OpenKeyEx(reg::kCurrentUser, SectionPath(application, section), reg::kQueryValue, &handle) != 0)
        return defaultValue;
    std::optional<std::string> text = ReadStringValue(handle, key);
    reg::CloseKey(handle);
    return text ? *text : defaultValue;
}

void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& value) {
    const long result = WriteStringAt(reg::kCurrentUser, SectionPath(application, section), key, value);
    if (result != 0)
        throw platform::Error(result,
                              "The setting \"" + key + "\" could not be saved (error " + std::to_string(result) + ").");
}
