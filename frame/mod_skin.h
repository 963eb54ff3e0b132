#pragma once
// Glue to the outside skinning library. Neither build carries the library:
// the steps stay in place behind ProductInfo.SkinsEnabled, and the one call
// made with skins off, InitSkinGlobal on Windows Vista or later, finds no
// library and does nothing.
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/forms/form.h"

namespace modSkin {

// The library's global object, by the numbers of its methods.
class SkinGlobalObject {
public:
    virtual ~SkinGlobalObject() = default;
    virtual void Method2(void* skinControl) = 0;
    virtual void Method5() = 0;
    virtual void Method6() = 0;
};

// The library's Skin control.
class SkinControlObject {
public:
    virtual ~SkinControlObject() = default;
    virtual std::uint32_t Color(int dispatchId) = 0;          // properties 2, 3 and 4
    virtual void ApplyToWindow(platform::Handle window) = 0;  // method 0x60020006
};

extern std::unique_ptr<SkinGlobalObject> SkinGlobal;
extern SkinControlObject* SkinControl;

// Creates the library's global object; null when the library is not there,
// as in both builds.
extern std::function<std::unique_ptr<SkinGlobalObject>()> CreateSkinGlobal;

bool IsVistaOrLater();
void InitSkinGlobal();
void ApplySkin(forms::Form& window);
// nightjar's skin step: one attempt; after a failure it reloads the splash
// window, whose load sets SkinControl, and tries once more, letting a second
// failure reach the caller.
void ApplySkinRetry(forms::Form& frm);
// The longest ApplySkinRetry waits for the splash window's timer.
inline constexpr std::uint32_t kSplashWaitMs = 5000;
void SetRectRegion(forms::Form& window);
void SetControlColors(forms::Form& window, std::uint32_t colour1, std::uint32_t colour2, std::uint32_t colour3);
// Gives the window's controls the skin control's colours (its properties 2, 3
// and 4); raises kErrObjectNotSet when no skin control is set.
void ColourControls(forms::Form& window);

// Creates SkinGlobal when it is missing; false when the library is not there.
bool EnsureSkinGlobal();

}  // namespace modSkin
