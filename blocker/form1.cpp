#include "blocker/form1.h"

#include "blocker/frm_website.h"
#include "blocker/mod_hook.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
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
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    pctHotkey.onMouseMove = [this](int b, int s, float x, float y) { pctHotkey_MouseMove(b, s, x, y); };
}

namespace {

using namespace windhover;

// The text of the box goes on the list as typed; nothing, or one blank, is no site.
void AddSite(const forms::TextBox& box, void (*add)(const std::string&), void (*save)()) {
    const std::string site = box.text();
    if (!Module1::IsEntry(site)) return;
    add(site);
    save();
}

// Removes the first selected site. The file, the items and the text the
// decision searches then hold the same entries, also when another entry
// contains the deleted site.
void DeleteSelected(forms::ListBox& items, std::string& text, void (*remove)(const std::string&), void (*save)()) {
    const int i = items.listIndex();
    if (i < 0) return;
    const std::string site = items.list(i);
    remove(site);
    items.removeItem(i);
    save();
    text = Module1::ItemsText(items);
}

}  // namespace

void Form1::Form_Load() {
    modSkin::InitSkinGlobal();
    setCaption(ProductInfo.ProductName + " by " + ProductInfo.CompanyName);
    picTrayIcon = icon();
    modTaskbar::AddTrayIcon(*this, static_cast<std::uint32_t>(picTrayIcon), picTrayIcon, "Animated TrayIcon");
    modHook::HookHotkey(hwnd(), pctHotkey.hwnd());
    VarIEWindows = windhover::cIEWindows::Create();
    if (GetSetting(ProductInfo.ProductName, "Settings", "showHelp", "1") == "1") forms::The<Form8>().Show();
}

void Form1::Form_Unload(int&) {
    modTaskbar::RemoveTrayIcon(static_cast<std::uint32_t>(picTrayIcon));
    modHook::UnhookHotkey();
    VarIEWindows.reset();
    if (forms::The<frmWebsite>().visible()) return;
    platform::EndProgram();
}

void Form1::mnuFileItem_Click(int) { Unload(); }

void Form1::mnuHelpItem_Click(int) { forms::The<Form8>().Show(); }

void Form1::mnuAboutItem_Click(int) { forms::The<frmAbout>().Show(); }

void Form1::Command1_Click() { AddSite(Text1, Module1::AddAllowed, Module1::SaveAllowedList); }

void Form1::Command4_Click() { AddSite(Text2, Module1::AddDisallowed, Module1::SaveDisallowedList); }

void Form1::Command2_Click() { DeleteSelected(List1, AllowedSites, Module1::RemoveAllowed, Module1::SaveAllowedList); }

void Form1::Command3_Click() {
    DeleteSelected(List2, DisallowedSites, Module1::RemoveDisallowed, Module1::SaveDisallowedList);
}

// Each Win+Z press arrives here as a mouse move.
void Form1::pctHotkey_MouseMove(int, int, float, float) {}

}  // namespace windhover
