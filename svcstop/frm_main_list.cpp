// frmMain: the hidden one-row service list and the controls its record decides.
#include <cmath>

#include "frame/mod_taskbar.h"
#include "platform/program.h"
#include "platform/window.h"
#include "svcstop/frm_main.h"
#include "svcstop/mod_service_code.h"

namespace nightjar {

namespace {

namespace svc = platform::svc;

// The status column and row colour by the service's state (none for the
// pending states), and the start-type column.
constexpr RowLook kStatusLooks[] = {
    {svc::kStopped, "", kStatusRed},
    {svc::kRunning, "Started", 0x000000},
    {svc::kPaused, "Paused", kStatusBlue},
};
constexpr const char* kStartTypes[] = {"Boot", "System", "Automatic", "Manual", "Disabled"};
constexpr std::int32_t kStartDisabled = svc::kDisabled;

}  // namespace

void ShowRowLook(forms::ListItem& row, std::int32_t state, std::span<const RowLook> looks) {
    for (const RowLook& look : looks) {
        if (look.state != state) continue;
        row.setSubItem(1, look.status);
        row.setForeColor(look.color);
    }
}

void frmMain::SetupServiceList() {
    const double width = std::round(lvServices.bounds().width - 5.0 * forms::ScreenTwipsPerPixelX());
    lvServices.addColumn("Name", 0.55 * width, forms::ColumnAlignment::Left);
    lvServices.addColumn("Status", 0.2 * width, forms::ColumnAlignment::Center);
    lvServices.addColumn("Startup", 0.2 * width, forms::ColumnAlignment::Center);
    lvServices.setSorted(true);
    lvServices.setHideColumnHeaders(true);
    lvServices.setFullRowSelect(true);
}

void frmMain::LoadServices() {
    if (modServiceCode::EnumerateServices("", svc::kStateAll, svc::kWin32)) return;
    // The listing showed its own error box.
    modTaskbar::RemoveTrayIcon(kTrayIconId);
    platform::EndProgram();
}

void frmMain::FillServiceList() {
    for (const auto& record : colServices) {
        if (record->ServiceName != "Messenger") continue;
        forms::ListItem& row = lvServices.add(ServiceKey(record->ServiceName), record->DisplayName);
        ShowRowLook(row, record->CurrentStatus, kStatusLooks);
        if (record->StartType >= 0 && record->StartType <= kStartDisabled)
            row.setSubItem(2, kStartTypes[record->StartType]);
        if (record->StartType == kStartDisabled) row.setForeColor(kGrayText);
    }
}

void frmMain::UpdateServiceControls(const std::string& key) {
    const CServices* record = colServices.Item(key);
    if (!record) return;
    cmdStart.setEnabled(!record->Running() && (record->StartType & kStartDisabled) == 0);
    cmdStop.setEnabled(record->Running() && record->AcceptStop());
    cmdPause.setEnabled(record->Running() && record->AcceptPause() && !record->Paused());
    cmdContinue.setEnabled(record->Paused());
    // A service that does not run shows no popups, also when its start type
    // keeps Allow from starting it.
    const bool enabled = record->Running();
    lblStatus.setCaption(enabled ? "Popup Messages Enabled" : "Popup Messages Disabled");
    lblStatus.setForeColor(enabled ? kStatusRed : kStatusBlue);
    Allow.setEnabled(cmdStart.enabled());
    Disable.setEnabled(!cmdStart.enabled());
}

void frmMain::lvServices_ItemClick(forms::ListItem& Item) { UpdateServiceControls(Item.key()); }

void frmMain::lvServices_KeyDown(std::int16_t KeyCode, std::int16_t) {
    const forms::ListItem* selected = lvServices.selectedItem();
    if (!selected) return;
    const int index = selected->index();
    if (KeyCode == 40 && index != lvServices.itemCount()) UpdateServiceControls(lvServices.item(index + 1).key());
    if (KeyCode == 38 && index != 1) UpdateServiceControls(lvServices.item(index - 1).key());
}

}  // namespace nightjar
