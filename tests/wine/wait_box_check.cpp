// wwaitbox.exe: nightjar's real service wait box against Wine's Service
// Control Manager, with the test services run_e2e.sh installed and
// wsvccheck.exe left behind it (NjQuick stopped, NjStall held in stop
// pending, NjNoPause stopped). A second thread plays the user: it answers
// every message box the program shows and notes its text, and notes whether
// the wait box stood in the topmost band.
//
// Rows as in wcontract.exe: "ok"/"FAIL" lines and "N passed, M failed".
#include <windows.h>
#include <commctrl.h>
// The layer's own routine of that name, not the ANSI macro.
#undef EnumDependentServices

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "svcstop/frm_main.h"
#include "svcstop/frm_sc_msg_box.h"
#include "svcstop/mod_service_code.h"
#include "tests/contract/contract_check.h"

namespace {

using contract::Row;
using contract::Section;
using namespace nightjar;
namespace svc = platform::svc;

const char* const kUnable = "Unable to perform the selected action on the service.";

// What the answering thread saw.
CRITICAL_SECTION seenLock;
std::vector<std::string> seenTexts;
LONG boxTopmost = 0;
volatile LONG watching = 1;

bool Ours(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId() && IsWindowVisible(window);
}

DWORD WINAPI PlayUser(void*) {
    std::set<HWND> answered;
    while (watching) {
        HWND box = nullptr;
        while ((box = FindWindowExA(nullptr, box, "#32770", nullptr))) {
            if (!Ours(box) || answered.count(box)) continue;
            char text[512] = "";
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            EnterCriticalSection(&seenLock);
            seenTexts.push_back(text);
            LeaveCriticalSection(&seenLock);
            answered.insert(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        for (auto it = answered.begin(); it != answered.end();) it = IsWindow(*it) ? std::next(it) : answered.erase(it);
        HWND waitBox = FindWindowA(nullptr, "Service Control");
        if (waitBox && Ours(waitBox) && (GetWindowLongPtrA(waitBox, GWL_EXSTYLE) & WS_EX_TOPMOST))
            InterlockedExchange(&boxTopmost, 1);
        Sleep(100);
    }
    return 0;
}

std::vector<std::string> TakeSeen() {
    EnterCriticalSection(&seenLock);
    std::vector<std::string> texts;
    texts.swap(seenTexts);
    LeaveCriticalSection(&seenLock);
    return texts;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : " | ") + text;
    return joined;
}

// Shows the box as the commands do, for a request already sent; how long it stayed.
DWORD ShowBox(const std::string& service, std::int32_t target) {
    SCMsgText = "Disabling Windows Popup Messages";
    SCMsgInterval = 3000;
    SCMsgTitle = "Service Control";
    SCMsgService = service;
    SCMsgMachine = "";
    SCMsgTargetState = target;
    InterlockedExchange(&boxTopmost, 0);
    const DWORD start = GetTickCount();
    forms::Dispatch([] { forms::The<frmSCMsgBox>().Show(forms::ShowMode::Modal); });
    return GetTickCount() - start;
}

std::uint32_t StateOf(const std::string& name) { return modServiceCode::GetServiceStatus("", name).currentState; }

void ReachedState(const char* what, long (*request)(const std::string&, const std::string&), std::int32_t target,
                  const char* rowStatus) {
    Section(what);
    Row(std::string(what) + ": the manager takes the request", request("", "NjQuick"), 0L);
    const DWORD took = ShowBox("NJQUICK", target);
    Row(std::string(what) + ": the box closed", forms::The<frmSCMsgBox>().loaded(), false);
    Row(std::string(what) + ": the service reached its state", StateOf("NjQuick"), static_cast<std::uint32_t>(target));
    Row(std::string(what) + ": the box stayed at least its first interval", took >= 3000, true);
    Row(std::string(what) + ": it stood in the topmost band", boxTopmost != 0, true);
    Row(std::string(what) + ": no message", Joined(TakeSeen()), std::string());
    if (const CServices* record = colServices.Item("NJQUICK"))
        Row(std::string(what) + ": the record reads the state", record->CurrentStatus, target);
    if (const forms::ListItem* row = forms::The<frmMain>().lvServices.findItem("NJQUICK"))
        Row(std::string(what) + ": the list row's status", row->subItem(1), std::string(rowStatus));
}

void Stall() {
    Section("a stop that stalls");
    Row("NjStall is held in stop pending", StateOf("NjStall"), std::uint32_t{svc::kStopPending});
    Row("a stop of a service already stopping is refused with 1061", modServiceCode::StopServiceByName("", "NjStall"),
        long{platform::kErrorServiceCannotAcceptCtrl});
    const DWORD took = ShowBox("NJSTALL", svc::kStopped);
    Row("the stall brings the failure message", Joined(TakeSeen()), std::string(kUnable));
    Row("the box closed", forms::The<frmSCMsgBox>().loaded(), false);
    Row("at the second poll, a wait hint after the first (took " + std::to_string(took) + " ms)",
        took >= 4000 && took < 15000, true);
}

void Refused() {
    Section("a refused pause");
    modServiceCode::StartServiceByName("", "NjNoPause");
    for (DWORD start = GetTickCount(); StateOf("NjNoPause") != svc::kRunning && GetTickCount() - start < 15000;)
        Sleep(100);
    if (!Row("NjNoPause runs", StateOf("NjNoPause"), std::uint32_t{svc::kRunning})) return;
    Row("the pause is refused with 1052", modServiceCode::PauseServiceByName("", "NjNoPause"),
        long{platform::kErrorInvalidServiceControl});
    const DWORD took = ShowBox("NJNOPAUSE", svc::kPaused);
    Row("the bound brings the failure message", Joined(TakeSeen()), std::string(kUnable));
    Row("the box closed", forms::The<frmSCMsgBox>().loaded(), false);
    Row("within the bound of 30 s (took " + std::to_string(took) + " ms)", took >= 30000 && took < 40000, true);
    Row("NjNoPause still runs", StateOf("NjNoPause"), std::uint32_t{svc::kRunning});
    modServiceCode::StopServiceByName("", "NjNoPause");
    ShowBox("NJNOPAUSE", svc::kStopped);
    Row("NjNoPause stops through the box", StateOf("NjNoPause"), std::uint32_t{svc::kStopped});
    TakeSeen();
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    InitializeCriticalSection(&seenLock);
    HANDLE user = CreateThread(nullptr, 0, PlayUser, nullptr, 0, nullptr);

    Row("EnumerateServices succeeds", modServiceCode::EnumerateServices("", 3, 48), true);
    auto& list = forms::The<frmMain>().lvServices;
    list.addColumn("Name", 3000);
    list.addColumn("Status", 1000);
    list.addColumn("Startup", 1000);
    list.add("NJQUICK", "Nightjar test service NjQuick");

    ReachedState("a start", modServiceCode::StartServiceByName, svc::kRunning, "Started");
    ReachedState("a pause", modServiceCode::PauseServiceByName, svc::kPaused, "Paused");
    ReachedState("a continue", modServiceCode::ContinueServiceByName, svc::kRunning, "Started");
    ReachedState("a stop", modServiceCode::StopServiceByName, svc::kStopped, "");
    Stall();
    Refused();

    InterlockedExchange(&watching, 0);
    WaitForSingleObject(user, 5000);
    CloseHandle(user);
    std::printf("%d passed, %d failed\n", contract::passed, contract::failed);
    return contract::failed == 0 ? 0 : 1;
}
