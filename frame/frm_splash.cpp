// The start-up window, which shows the main window when its ticks are counted.
#include "frame/frm_splash.h"

#include "frame/guard.h"
#include "frame/mod_skin.h"
#include "frame/product_info.h"
#include "frame/frame_program.h"
#include "platform/error.h"

frmSplash::frmSplash() : Form("frmSplash") {
    design("", 6000, 3600, forms::BorderStyle::FixedDialog);
    setButtons(false, false);
    setCentred(true);
    onLoad = [this] { Form_Load(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

void frmSplash::Form_Load() {
    modProductInfo::LoadProductInfo();
    if (ProductInfo.SkinsEnabled) {
        // The library's skin control would stand on this window as skn; it
        // reaches modSkin through SkinControl.
        SkipOnError([this] { Program.applySkin(*this); });
        SkipOnError([] {
            if (!modSkin::EnsureSkinGlobal()) return;
            modSkin::SkinGlobal->Method2(modSkin::SkinControl);
            modSkin::SkinGlobal->Method5();
        });
    }
    Timer2.setTimerEnabled(true);
}

void frmSplash::Timer2_Timer() {
    if (intTemp > INT16_MAX - 2) throw platform::Error(6, "Overflow");
    intTemp = static_cast<std::int16_t>(intTemp + 2);
    if (intTemp != 150) return;
    Timer2.setTimerEnabled(false);
    Program.mainWindow().Show();
    Hide();
    setVisible(false);
}
