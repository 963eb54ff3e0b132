#include "blocker/form3.h"

#include "blocker/button_design.h"
#include "blocker/form1.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "frame/guard.h"
#include "frame/product_info.h"
#include "frame/program_windows.h"

namespace windhover {

Form3::Form3() : Form("Form3") {
    design("Popup Detected!", 5655, 3195, forms::BorderStyle::FixedDialog);
    setButtons(false, false);
    setCentred(true);
    Label3.setCaption("Current Site:");
    Label3.setBounds(120, 180, 1095, 255);
    Text1.setBounds(1260, 120, 4215, 315);
    Label1.setCaption(
        "While in setup mode you can choose to allow or block new windows from certain sites.  Chosing either "
        "\"Always\" option will prevent you from seeing this prompt again for the current site, and add it to your "
        "allowed or disallowed list.");
    Label1.setBounds(120, 600, 5355, 975);
    DesignButtons(
        {
        {Command1, "Allow Always",
         "allow this site to display popups.  you will not see this window again for this site.", 120, 1740},
        {Command2, "Block Always",
         "prevents this site from displaying popups.  you will not see this window again for this site.", 2880, 1740},
        {Command3, "Allow Now",
         "ignore this prompt for now.  this window will be displayed the next time a popup window appears.", 120,
         2280},
        {Command4, "Block Now", "", 2880, 2280},
        },
        2595, 435);
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
}

void Form3::Form_Load() {
    auto& main = forms::The<Form1>();
    if (AlwaysOnTop) onTop.MakeNormal(main.hwnd());
    Text1.setText(PromptSite);
    onTop.MakeTopMost(hwnd());
    if (AlwaysOnTop) onTop.MakeTopMost(main.hwnd());
    if (ProductInfo.SkinsEnabled) SkipOnError([this] { ApplyProgramSkin(*this); });
}

void Form3::Form_Unload(int&) { PromptAnswered = true; }

void Form3::AddForGood(void (*add)(const std::string&), void (*save)()) {
    const std::string site = Text1.text();
    // An empty entry would match, and on deletion remove, every site.
    if (!Module1::IsEntry(site)) return;
    forms::Dispatch([&] {
        add(site);
        if (save) save();
    });
}

void Form3::Answer(bool allowed) {
    Hide();
    PromptAllowed = allowed;
    PromptAnswered = true;
    Unload();
}

void Form3::Command1_Click() {
    AddForGood(Module1::AddAllowed, Module1::SaveAllowedList);
    Answer(true);
}

void Form3::Command2_Click() {
    AddForGood(Module1::AddDisallowed, nullptr);
    Answer(false);
}

void Form3::Command3_Click() { Answer(true); }

void Form3::Command4_Click() { Answer(false); }

}  // namespace windhover
