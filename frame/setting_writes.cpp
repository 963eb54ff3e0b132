// The settings a program stores on its own, and the user told once of those refused.
#include "frame/setting_writes.h"

#include <vector>

#include "frame/product_info.h"
#include "frame/settings.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/process_globals.h"

namespace settingWrites {

namespace {

struct Refusals {
    std::vector<std::string> keys;
    long error = 0;
    bool told = false;
    int holds = 0;
};

Refusals refusals;
const platform::ResetAtStart resetRefusals([] { refusals = Refusals{}; });

}  // namespace

bool Store(const std::string& key, const std::string& value) {
    try {
        SaveSetting(ProductInfo.ProductName, "Settings", key, value);
        return true;
    } catch (const platform::Error& e) {
        if (refusals.error == 0) refusals.error = e.number();
        for (const std::string& noted : refusals.keys)
            if (noted == key) return false;
        refusals.keys.push_back(key);
        return false;
    }
}

void TellRefused() {
    if (refusals.told || refusals.holds > 0 || refusals.keys.empty()) return;
    refusals.told = true;
    std::string names;
    for (const std::string& key : refusals.keys) names += (names.empty() ? "\"" : ", \"") + key + "\"";
    const std::string& product = ProductInfo.ProductName;
    platform::MessageBox(
        product + " could not store " + (refusals.keys.size() == 1 ? "the setting " : "the settings ") + names +
            ": the registry refused to write them under HKEY_CURRENT_USER\\Software\\VB and VBA Program "
            "Settings\\" +
            product + "\\Settings (error " + std::to_string(refusals.error) + ").\r\n\r\n" + product +
            " goes on, but the settings it cannot store are not kept for its next start.",
        platform::kMbOk | platform::kMbIconWarning, product);
}

Hold::Hold() { ++refusals.holds; }

Hold::~Hold() { --refusals.holds; }

}  // namespace settingWrites
