// The setup-mode prompt: let a site's popup through or block it, once or for good.
#include "blocker/form3.h"

#include "blocker/form1.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "frame/guard.h"
#include "frame/product_info.h"
#include "frame/frame_program.h"

namespace windhover {

Form3::Form3() : Form("Form3") {
    design("Popup Detected!", 5655, 3195, forms::BorderStyle::FixedDialog);
    setButtons(false, false);
    setCentred(true);
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
    if (ProductInfo.SkinsEnabled) SkipOnError([this] { Program.applySkin(*this); });
}

void Form3::Form_Unload(int&) { PromptAnswered = true; }

void Form3::AddForGood(void (*add)(const std::string&)) {
    const std::string site = Text1.text();
    // An empty entry would match, and on deletion remove, every site.
    if (!Module1::IsEntry(site)) return;
    forms::Dispatch([&] { add(site); });
}

void Form3::Answer(bool allowed) {
    Hide();
    PromptAllowed = allowed;
    PromptAnswered = true;
    Unload();
}

void Form3::Command1_Click() {
    AddForGood(Module1::AddAllowed);
    Answer(true);
}

void Form3::Command2_Click() {
    AddForGood(Module1::AddDisallowed);
    Answer(false);
}

void Form3::Command3_Click() { Answer(true); }

void Form3::Command4_Click() { Answer(false); }

}  // namespace windhover
