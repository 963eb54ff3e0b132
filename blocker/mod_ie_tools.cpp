// Internet Explorer's toolbar button and Tools-menu item that start windhover.
#include "blocker/mod_ie_tools.h"

#include <string>
#include <utility>

#include "blocker/c_register.h"
#include "frame/product_info.h"
#include "platform/files.h"

namespace windhover::modIETools {

namespace {

using platform::reg::kLocalMachine;

std::string InProgramFolder(const std::string& file) { return platform::files::ProgramFolder() + "\\" + file; }

}  // namespace

void AddIEButton() {
    const std::string& product = ProductInfo.ProductName;
    const std::pair<const char*, std::string> values[] = {
        {"ButtonText", product},
        {"CLSID", kExecButtonClass},
        {"Default Visible", "Yes"},
        {"Exec", InProgramFolder(platform::files::ExecutableName() + ".exe")},
        {"HotIcon", InProgramFolder("hoticon.ico")},
        {"Icon", InProgramFolder("icon.ico")},
        {"MenuStatusBar", product},
        {"MenuText", "&" + product},
    };
    for (const auto& [name, data] : values) CRegister::WriteRegistry(kLocalMachine, kButtonKey, name, data);
}

void RemoveIEButton() { CRegister::DeleteRegistry(kLocalMachine, kButtonKey, ""); }

void CheckIEButton() {
    // Only looked at: the button stays as the user last set it.
    CRegister::ReadRegistry(kLocalMachine, kBrowserPathKey, CRegister::kDefaultValue, "");
    CRegister::ReadRegistry(kLocalMachine, kButtonKey, "ButtonText", "");
}

}  // namespace windhover::modIETools
