#include "svcstop/frm_main.h"

#include "frame/form8.h"
#include "frame/frm_about.h"
#include "frame/mod_taskbar.h"
#include "frame/product_info.h"
#include "platform/program.h"
#include "svcstop/frm_website.h"

namespace nightjar {

frmMain::frmMain() : Form("frmMain") {
    design("Services", 7530, 5940, forms::BorderStyle::FixedSingle);
    setButtons(true, false);
    setCentred(true);
    setIconResource("FRMMAINICON");
    onLoad = [this] { Form_Load(); };
    onQueryUnload = [this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    mnuFileItem0.onClick = [this] { mnuFileItem_Click(0); };
    mnuFileItem1.onClick = [this] { mnuFileItem_Click(1); };
    mnuHelpItem.onClick = [this] { mnuHelpItem_Click(); };
    mnuAboutItem0.onClick = [this] { mnuAboutItem_Click(0); };
}

void frmMain::Form_Load() {
    modTaskbar::AddTrayIcon(*this, static_cast<std::uint32_t>(icon()), icon(), "Animated TrayIcon");
    modProductInfo::LoadProductInfo();
    setCaption(ProductInfo.ProductName);
}

void frmMain::Form_QueryUnload(int&, int) { modTaskbar::RemoveTrayIcon(static_cast<std::uint32_t>(icon())); }

void frmMain::Form_Unload(int&) {
    forms::The<Form8>().Unload();
    forms::The<frmAbout>().Unload();
    if (forms::The<frmWebsite>().visible()) return;
    platform::EndProgram();
}

void frmMain::mnuFileItem_Click(int Index) {
    if (Index == 0) setWindowState(forms::WindowState::Minimized);
    if (Index == 1) Unload();
}

void frmMain::mnuHelpItem_Click() { forms::The<Form8>().Show(); }

void frmMain::mnuAboutItem_Click(int) { forms::The<frmAbout>().Show(); }

}  // namespace nightjar
