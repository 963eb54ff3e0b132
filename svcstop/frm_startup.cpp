#include "svcstop/frm_startup.h"

#include "svcstop/frm_main.h"
#include "svcstop/mod_service_code.h"

namespace nightjar {

namespace {

constexpr std::int32_t kShareProcess = 0x20;

// The design places the controls of a group relative to it.
constexpr forms::Rect kGroup1{105, 420, 0, 0};
constexpr forms::Rect kGroup2{120, 1995, 0, 0};

forms::ControlDesign At(forms::Rect bounds, const char* caption = "", const forms::Rect& group = {}) {
    bounds.left += group.left;
    bounds.top += group.top;
    return {.caption = caption, .bounds = bounds};
}

}  // namespace

frmStartup::frmStartup()
    : Form("frmStartup"),
      Label1(*this, "Label1", At({120, 60, 660, 270}, "Service:")),
      lblServiceName(*this, "lblServiceName", At({795, 60, 3315, 270})),
      SSFrame1(*this, "SSFrame1", At({105, 420, 2775, 1440})),
      optAutomatic(*this, "optAutomatic", At({105, 300, 2085, 300}, "", kGroup1)),
      optManual(*this, "optManual", At({105, 645, 2085, 300}, "", kGroup1)),
      optDisabled(*this, "optDisabled", At({105, 975, 2085, 300}, "", kGroup1)),
      cmdOK(*this, "cmdOK", At({3015, 510, 1095, 375})),
      cmdCancel(*this, "cmdCancel", At({3015, 990, 1095, 375})),
      cmdHelp(*this, "cmdHelp", At({3015, 1485, 1095, 375})),
      SSFrame2(*this, "SSFrame2", At({120, 1995, 3990, 2535})),
      optSystem(*this, "optSystem", At({105, 270, 2085, 300}, "", kGroup2)),
      chkInteractive(*this, "chkInteractive", At({345, 540, 3210, 300}, "", kGroup2)),
      optAccount(*this, "optAccount", At({105, 1020, 1335, 300}, "", kGroup2)),
      txtAccountName(*this, "txtAccountName", At({1410, 1020, 2175, 315}, "", kGroup2)),
      cmdAccountLookup(*this, "cmdAccountLookup", At({3585, 1005, 300, 330}, "", kGroup2)),
      Label2(*this, "Label2", At({345, 1485, 870, 270}, "Password:", kGroup2)),
      txtPassword(*this, "txtPassword", At({1410, 1455, 2460, 315}, "", kGroup2), true),
      Label3(*this, "Label3", At({345, 1860, 870, 435}, "Confirm Password:", kGroup2)),
      txtConfirmPassword(*this, "txtConfirmPassword", At({1410, 1920, 2460, 315}, "", kGroup2), true) {
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
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &optSystem, &optAccount, &cmdAccountLookup, &txtAccountName, &txtPassword, &txtConfirmPassword,
             &Label2, &Label3})
        control->setEnabled(false);
    for (forms::TextBox* box : {&txtAccountName, &txtPassword, &txtConfirmPassword}) box->setBackColor(kButtonFace);
}

void frmStartup::Form_Activate() {}

void frmStartup::cmdCancel_Click() { Unload(); }

}  // namespace nightjar
