// The service properties window.
#include "svcstop/frm_startup.h"

#include "platform/forms/design.h"
#include "svcstop/frm_main.h"
#include "svcstop/mod_service_code.h"

namespace nightjar {

namespace {

constexpr std::int32_t kShareProcess = 0x20;

// The design places the controls of a group relative to it.
constexpr forms::Rect kGroup1{105, 420, 0, 0};
constexpr forms::Rect kGroup2{120, 1995, 0, 0};

}  // namespace

frmStartup::frmStartup()
    : Form("frmStartup"),
      Label1(*this, "Label1", forms::At({120, 60, 660, 270}, "Service:")),
      lblServiceName(*this, "lblServiceName", forms::At({795, 60, 3315, 270})),
      SSFrame1(*this, "SSFrame1", forms::At({105, 420, 2775, 1440})),
      optAutomatic(*this, "optAutomatic", forms::At(forms::Within(kGroup1, {105, 300, 2085, 300}))),
      optManual(*this, "optManual", forms::At(forms::Within(kGroup1, {105, 645, 2085, 300}))),
      optDisabled(*this, "optDisabled", forms::At(forms::Within(kGroup1, {105, 975, 2085, 300}))),
      cmdOK(*this, "cmdOK", forms::At({3015, 510, 1095, 375})),
      cmdCancel(*this, "cmdCancel", forms::At({3015, 990, 1095, 375})),
      cmdHelp(*this, "cmdHelp", forms::At({3015, 1485, 1095, 375})),
      SSFrame2(*this, "SSFrame2", forms::At({120, 1995, 3990, 2535})),
      optSystem(*this, "optSystem", forms::At(forms::Within(kGroup2, {105, 270, 2085, 300}))),
      chkInteractive(*this, "chkInteractive", forms::At(forms::Within(kGroup2, {345, 540, 3210, 300}))),
      optAccount(*this, "optAccount", forms::At(forms::Within(kGroup2, {105, 1020, 1335, 300}))),
      txtAccountName(*this, "txtAccountName", forms::At(forms::Within(kGroup2, {1410, 1020, 2175, 315}))),
      cmdAccountLookup(*this, "cmdAccountLookup", forms::At(forms::Within(kGroup2, {3585, 1005, 300, 330}))),
      Label2(*this, "Label2", forms::At(forms::Within(kGroup2, {345, 1485, 870, 270}), "Password:")),
      txtPassword(*this, "txtPassword", forms::At(forms::Within(kGroup2, {1410, 1455, 2460, 315})), true),
      Label3(*this, "Label3", forms::At(forms::Within(kGroup2, {345, 1860, 870, 435}), "Confirm Password:")),
      txtConfirmPassword(*this, "txtConfirmPassword", forms::At(forms::Within(kGroup2, {1410, 1920, 2460, 315})),
                         true) {
    design("Service - Under construction still", 4350, 5100, forms::BorderStyle::FixedDialog);
    setButtons(false, false);
    setCentred(true);
    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmStartup::Form_Load() {
    // Without a selected row or its record there is nothing to show: the
    // window keeps its design.
    const forms::ListItem* row = forms::The<frmMain>().lvServices.selectedItem();
    const CServices* record = row ? colServices.Item(row->key()) : nullptr;
    if (!record) return;
    lblServiceName.setCaption(record->DisplayName);
    if ((record->ServiceType & kShareProcess) == 0) return;
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&optSystem, &optAccount, &cmdAccountLookup, &txtAccountName,
                                                &txtPassword, &txtConfirmPassword, &Label2, &Label3})
        control->setEnabled(false);
    for (forms::TextBox* box : {&txtAccountName, &txtPassword, &txtConfirmPassword}) box->setBackColor(kButtonFace);
}

void frmStartup::Form_Activate() {}

void frmStartup::cmdCancel_Click() { Unload(); }

}  // namespace nightjar
