// windhover's main window: the option boxes, the buttons, the notification
// area menu's items, the Tools menu, the hot-key target and the file routines.
#include <algorithm>
#include <iterator>
#include <string>

#include "blocker/form1.h"
#include "blocker/frm_website.h"
#include "blocker/mod_ie_tools.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "frame/frame_program.h"
#include "frame/guard.h"
#include "frame/product_info.h"
#include "frame/setting_writes.h"
#include "frame/text_compare.h"
#include "frame/xfile_exists.h"
#include "platform/error.h"
#include "platform/registry.h"

namespace windhover {

namespace {

const char* const kRunRefused =
    "Run On Startup could not be enabled: this account may not change the programs "
    "that Windows starts";
const char* const kRunKept =
    "Run On Startup could not be disabled: this account may not change the programs that "
    "Windows starts";

// An option's effect beyond its stored value: null when Windows took the
// change, else the message panel's text saying that it did not.
using Effect = const char* (*)(Form1& form, bool on);

const char* KeepOnTop(Form1& form, bool on) {
    SkipOnError([&] { on ? form.onTop.MakeTopMost(form.hwnd()) : form.onTop.MakeNormal(form.hwnd()); });
    AlwaysOnTop = on;
    return nullptr;
}

const char* RunAtLogOn(Form1& form, bool on) {
    bool refused = false;
    SkipOnError([&] {
        AddRemove& run = form.VarAddRemove;
        const std::string name = ProductInfo.ProductName;
        // A value that is gone counts as removed, whatever the call said.
        if (!on) {
            refused = !run.RemoveFromRun(name) &&
                      run.GetString(platform::reg::kLocalMachine, AddRemove::kRunKey, name).has_value();
            return;
        }
        // A value already there as ours counts: an administrator set it.
        refused = !run.AddToRun(name, OwnRunCommand()) &&
                  run.GetString(platform::reg::kLocalMachine, AddRemove::kRunKey, name) != OwnRunCommand();
    });
    if (!refused) return nullptr;
    return on ? kRunRefused : kRunKept;
}

// What each option box says in the message panel, its effect, and the
// setting it stores at once ("" for those stored only at unload).
struct Option {
    forms::CheckBox Form1::*box;
    const char* on;
    const char* off;
    const char* storedAtOnce;
    Effect effect;
};

const Option kOptions[] = {
    {&Form1::Check1, "Now blocking popups", "Now allowing popups", "", nullptr},
    {&Form1::Check2, "Setup Mode Enabled", "Setup Mode Disabled", "", nullptr},
    {&Form1::Check3, "Always On Top Enabled", "Always On Top Disabled", "chkOnTop", KeepOnTop},
    {&Form1::Check4, "Run On Startup Enabled", "Run On Startup Disabled", "", RunAtLogOn},
    {&Form1::Check5, "Sounds Enabled", "Sounds Disabled", "chkSound", nullptr},
    {&Form1::Check6, "Auto New Window Enabled", "Auto New Window Disabled", "", nullptr},
};

// The text of the box goes on the list as typed; nothing, or one blank, is no site.
void AddSite(const forms::TextBox& box, void (*add)(const std::string&)) {
    const std::string site = box.text();
    if (Module1::IsEntry(site)) add(site);
}

// Removes the selected site, the one with the lowest index; nothing without one.
void DeleteSelected(const forms::ListBox& items, void (*remove)(int)) {
    const int i = items.listIndex();
    if (i >= 0) remove(i);
}

}  // namespace

void Form1::ShowStatus(const std::string& text) {
    SkipOnError([&] { StatusBar1.setPanelText(2, text); });
}

void Form1::OptionClicked(forms::CheckBox& box) {
    const Option* option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                        [&](const Option& row) { return &(this->*row.box) == &box; });
    if (option == std::end(kOptions)) return;  // not an option box
    const bool on = box.value() == 1;
    if (const char* refusal = option->effect ? option->effect(*this, on) : nullptr) {
        // The box goes back to what Windows does, and the message says so.
        ShowStatus(refusal);
        refusingRun_ = true;
        SkipOnError([&] { box.setValue(on ? 0 : 1); });
        refusingRun_ = false;
    } else {
        ShowStatus(on ? option->on : option->off);
    }
    // A setting the store refuses is noted and told to the user once.
    if (*option->storedAtOnce) settingWrites::Store(option->storedAtOnce, std::to_string(box.value()));
}

void Form1::Check1_Click() { OptionClicked(Check1); }
void Form1::Check2_Click() { OptionClicked(Check2); }
void Form1::Check3_Click() { OptionClicked(Check3); }
void Form1::Check4_Click() {
    if (!refusingRun_) OptionClicked(Check4);
}
void Form1::Check5_Click() { OptionClicked(Check5); }
void Form1::Check6_Click() { OptionClicked(Check6); }

void Form1::Command1_Click() { AddSite(Text1, Module1::AddAllowed); }

void Form1::Command4_Click() { AddSite(Text2, Module1::AddDisallowed); }

void Form1::Command2_Click() { DeleteSelected(List1, Module1::DeleteAllowed); }

void Form1::Command3_Click() { DeleteSelected(List2, Module1::DeleteDisallowed); }

void Form1::ToggleAllowNext() {
    AllowNextPopup = !AllowNextPopup;
    ShowStatus(AllowNextPopup ? "The next popup will be allowed." : "The next popup will NOT be allowed.");
}

void Form1::Command5_Click() { ToggleAllowNext(); }

// Each Win+Z press arrives here as a mouse move.
void Form1::pctHotkey_MouseMove(int, int, float, float) { ToggleAllowNext(); }

void Form1::Command6_Click() {
    SkipOnError([this] { setWindowState(forms::WindowState::Minimized); });
}

void Form1::Command7_Click() {
    WebsiteMode = WebsitePage::HomePage;
    SkipOnError([] { forms::The<frmWebsite>().Load(); });
}

void Form1::show_Click() {
    setWindowState(forms::WindowState::Normal);
    setVisible(true);
}

void Form1::allow_Click() { Command5_Click(); }

void Form1::Exit_Click() { Unload(); }

void Form1::mnuToolsItem_Click(int Index) {
    if (Index == 0) modIETools::AddIEButton();
    if (Index == 1) modIETools::RemoveIEButton();
}

bool Form1::fileExists(std::string asPath) {
    std::string found;
    const long result = xfileExists::FirstPlainFile(asPath, &found);
    if (result != platform::kErrorSuccess && result != platform::kErrorFileNotFound)
        throw platform::Error(
            result == platform::kErrorPathNotFound ? platform::kErrPathNotFound : platform::kErrBadFileName,
            "Cannot look for " + asPath + " (system error " + std::to_string(result) + ").");
    return !found.empty() && EqualsNoCase(found, TrimPath(asPath));
}

std::string Form1::TrimPath(std::string asPath) { return xfileExists::TrimPath(asPath); }

}  // namespace windhover
