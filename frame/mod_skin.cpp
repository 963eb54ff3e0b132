// Glue to the outside skinning library, which neither build carries.
#include "frame/mod_skin.h"

#include <cmath>
#include <set>
#include <string>

#include "frame/guard.h"
#include "frame/product_info.h"
#include "platform/error.h"
#include "platform/process_globals.h"
#include "platform/version.h"
#include "platform/window.h"

namespace modSkin {

namespace {
std::unique_ptr<SkinGlobalObject> NoLibrary() { return nullptr; }
}  // namespace

std::unique_ptr<SkinGlobalObject> SkinGlobal;
SkinControlObject* SkinControl = nullptr;
std::function<std::unique_ptr<SkinGlobalObject>()> CreateSkinGlobal = NoLibrary;

namespace {

const platform::ResetAtStart resetSkinGlobals([] {
    SkinGlobal.reset();
    SkinControl = nullptr;
    CreateSkinGlobal = NoLibrary;
});

SkinControlObject& Control() {
    if (!SkinControl) throw platform::Error(platform::kErrObjectNotSet, "The skin control is not set");
    return *SkinControl;
}

}  // namespace

bool EnsureSkinGlobal() {
    if (!SkinGlobal && CreateSkinGlobal) SkinGlobal = CreateSkinGlobal();
    return SkinGlobal != nullptr;
}

bool IsVistaOrLater() {
    platform::version::OsVersionInfo info;
    info.size = platform::version::kOsVersionInfoExSize;
    if (platform::version::GetVersionEx(&info) != 1) return false;
    return info.platformId == platform::version::kPlatformWin32Nt && info.majorVersion >= 6;
}

void InitSkinGlobal() {
    if (!IsVistaOrLater()) return;
    SkipOnError([] {
        if (EnsureSkinGlobal()) SkinGlobal->Method6();
    });
}

void ColourControls(forms::Form& window) {
    SkinControlObject& control = Control();
    const std::uint32_t colour1 = control.Color(2);
    const std::uint32_t colour2 = control.Color(3);
    const std::uint32_t colour3 = control.Color(4);
    SetControlColors(window, colour1, colour2, colour3);
}

void ApplySkin(forms::Form& window) {
    // Without the skin's colours the controls keep their own rather than turn black.
    SkipOnError([&] { ColourControls(window); });
    SkipOnError([&] {
        if (IsVistaOrLater() && ProductInfo.SkinsEnabled) SetRectRegion(window);
    });
    SkipOnError([&] { Control().ApplyToWindow(window.hwnd()); });
}

void SetRectRegion(forms::Form& window) {
    // The outer size in twips reaches past the window's pixels, so the region
    // only squares the window's shape.
    const auto& bounds = window.bounds();
    platform::window::SetRectRegion(window.hwnd(), bounds.width, bounds.height);
}

void SetControlColors(forms::Form& window, std::uint32_t colour1, std::uint32_t colour2, std::uint32_t colour3) {
    static const std::set<std::string> kLists = {"TextBox",      "ComboBox", "FileListBox", "DirListBox",
                                                 "DriveListBox", "ListBox",  "ListView"};
    for (forms::Control* control : window.controls()) {
        const std::string& type = control->typeName();
        if (type == "CommandButton") {
            control->setBackColor(colour1);
        } else if (kLists.count(type)) {
            control->setBackColor(colour1);
            control->setForeColor(colour2);
        } else if (type == "PictureBox") {
            control->setBackColor(colour3);
        }
    }
}

}  // namespace modSkin
