// nightjar's skin step: one attempt, and one more after the splash window is loaded again.
#include "frame/frm_splash.h"
#include "frame/mod_skin.h"
#include "platform/program.h"

namespace modSkin {

namespace {

void SkinAttempt(forms::Form& frm) {
    ColourControls(frm);
    SkinControl->ApplyToWindow(frm.hwnd());
}

// The splash window's load turns its timer on. A splash that is loaded
// already does not load again, so its timer is not waited for; nor is any
// splash for longer than kSplashWaitMs.
void WaitForSplashTimer(frmSplash& splash, bool wasLoaded) {
    if (wasLoaded) return;
    const std::uint32_t start = platform::TickCount();
    while (!splash.Timer2.timerEnabled() && platform::TickCount() - start < kSplashWaitMs) platform::DoEvents();
}

}  // namespace

void ApplySkinRetry(forms::Form& frm) {
    try {
        SkinAttempt(frm);
        return;
    } catch (const std::exception&) {
        // reload the splash and try once more
    }
    frmSplash& splash = forms::The<frmSplash>();
    const bool wasLoaded = splash.loaded();
    splash.Load();
    WaitForSplashTimer(splash, wasLoaded);
    splash.Timer2.setTimerEnabled(false);
    splash.Hide();
    SkinAttempt(frm);
}

}  // namespace modSkin
