#include "blocker/form1.h"

#include "blocker/frm_website.h"
#include "blocker/mod_hook.h"
#include "frame/form8.h"
#include "frame/frm_about.h"
#include "frame/mod_skin.h"
#include "frame/mod_taskbar.h"
#include "frame/product_info.h"
#include "frame/settings.h"
#include "platform/program.h"

namespace windhover {

Form1::Form1() : Form("Form1") {
    design("Form1", 9000, 7200);
    setCentred(true);
    setIconResource("FORM1ICON");
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    mnuFileItem1.onClick = [this] { mnuFileItem_Click(1); };
    mnuHelpItem0.onClick = [this] { mnuHelpItem_Click(0); };
    mnuAboutItem0.onClick = [this] { mnuAboutItem_Click(0); };
    pctHotkey.onMouseMove = [this](int b, int s, float x, float y) { pctHotkey_MouseMove(b, s, x, y); };
}

void Form1::Form_Load() {
    modSkin::InitSkinGlobal();
    setCaption(ProductInfo.ProductName + " by " + ProductInfo.CompanyName);
    picTrayIcon = icon();
    modTaskbar::AddTrayIcon(*this, static_cast<std::uint32_t>(picTrayIcon), picTrayIcon, "Animated TrayIcon");
    modHook::HookHotkey(hwnd(), pctHotkey.hwnd());
    if (GetSetting(ProductInfo.ProductName, "Settings", "showHelp", "1") == "1") forms::The<Form8>().Show();
}

void Form1::Form_Unload(int&) {
    modTaskbar::RemoveTrayIcon(static_cast<std::uint32_t>(picTrayIcon));
    modHook::UnhookHotkey();
    if (forms::The<frmWebsite>().visible()) return;
    platform::EndProgram();
}

void Form1::mnuFileItem_Click(int) { Unload(); }

void Form1::mnuHelpItem_Click(int) { forms::The<Form8>().Show(); }

void Form1::mnuAboutItem_Click(int) { forms::The<frmAbout>().Show(); }

// Each Win+Z press arrives here as a mouse move.
void Form1::pctHotkey_MouseMove(int, int, float, float) {}

}  // namespace windhover
