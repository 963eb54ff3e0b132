// Settings for every user of the machine, under HKEY_LOCAL_MACHINE.
#include "svcstop/mod_machine_settings.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <iterator>

#include "frame/product_info.h"
#include "frame/setting_writes.h"
#include "frame/settings.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/registry.h"

namespace nightjar::modMachineSettings {

namespace {

namespace reg = platform::reg;

constexpr std::uint32_t kCreateAccess = 0x2003F;  // KEY_READ, KEY_WRITE and KEY_CREATE_LINK
const char kIgnoreFlag[] = "IgnorePermissionDeniedError";

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string KeyPath(const std::string& appName, const std::string& section) {
    return "SOFTWARE\\" + Trim(ProductInfo.CompanyName) + "\\" + Trim(appName) + "\\" + Trim(section);
}

// The question after the registry refused a step: true to run the step again.
bool RetryAfterFailure() {
    if (GetSetting(ProductInfo.ProductName, "Settings", kIgnoreFlag, "0") == "1") return false;
    const int answer = platform::MessageBox(
        ProductInfo.ProductName +
            " requires read/write access to the system registry and hard drive in order to run properly.  This user "
            "account does not have the proper permissions set.  As a result some or all of your settings may not be "
            "properly saved.  Please contact your system administrator or change the permission settings for this "
            "account.\r\n\r\nIf you would like to prevent this error message from being displayed again, please "
            "press 'Ignore'.",
        platform::kMbAbortRetryIgnore, "Permission Denied");
    if (answer == platform::kIdRetry) return true;
    // A flag the store refuses is told once: the question will come again.
    if (answer == platform::kIdIgnore && !settingWrites::Store(kIgnoreFlag, "1")) settingWrites::TellRefused();
    return false;
}

// Error numbers are 32-bit on every build: a sum past the largest wraps
// round, as it would in the 32-bit program, instead of overflowing.
long Number(std::uint32_t offset) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(kErrorBase) + offset); }

[[noreturn]] void Raise(std::uint32_t offset, const std::string& text) { throw platform::Error(Number(offset), text); }

}  // namespace

void SaveMachineSetting(const std::string& appName, const std::string& section, const std::string& key,
                        const std::string& value) {
    const std::string path = KeyPath(appName, section);
    reg::Key handle = 0;
    // The steps run in order; a step the registry refuses runs again on Retry.
    const std::function<long()> steps[] = {
        [&] {
            std::uint32_t disposition = 0;
            return reg::CreateKeyEx(reg::kLocalMachine, path, kCreateAccess, &handle, &disposition);
        },
        [&] {
            return reg::SetValue(handle, key, reg::kSz, value.c_str(), static_cast<std::uint32_t>(value.size() + 1));
        },
    };
    std::size_t step = 0;
    while (step < std::size(steps)) {
        if (steps[step]() == platform::kErrorSuccess)
            ++step;
        else if (!RetryAfterFailure())
            break;
    }
    if (handle) reg::CloseKey(handle);
}

std::string GetMachineSetting(const std::string& appName, const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    if (Trim(appName).empty()) Raise(1000, "AppName may not be empty");
    if (Trim(section).empty()) Raise(1001, "Section may not be empty");
    if (Trim(key).empty()) Raise(1002, "Key may not be empty");
    reg::Key handle = 0;
    const long opened = reg::OpenKeyEx(reg::kLocalMachine, KeyPath(appName, section), reg::kRead, &handle);
    if (opened == platform::kErrorFileNotFound) return defaultValue;
    if (opened != platform::kErrorSuccess)
        Raise(2000u + static_cast<std::uint32_t>(opened), "Could not open registry section");
    std::string result = defaultValue;
    std::uint32_t type = 0, size = 0;
    try {
        if (reg::QueryValue(handle, key, &type, nullptr, &size) == platform::kErrorSuccess) {
            if (type != reg::kSz)
                throw NotAString(Number(2000u + type), "HKEY_LOCAL_MACHINE\\" + KeyPath(appName, section), type);
            if (size == 0) {
                result.clear();
            } else {
                std::string data(size, '\0');
                std::uint32_t filled = size;
                // The stored zero byte is dropped; a value stored without one
                // keeps its last character.
                if (reg::QueryValue(handle, key, &type, data.data(), &filled) == platform::kErrorSuccess)
                    result = data.back() == '\0' ? data.substr(0, size - 1) : data;
            }
        }
    } catch (...) {
        reg::CloseKey(handle);
        throw;
    }
    reg::CloseKey(handle);
    return result;
}

}  // namespace nightjar::modMachineSettings
