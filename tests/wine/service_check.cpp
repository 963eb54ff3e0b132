// nightjar's service layer against Wine's real Service Control Manager, with
// the test services run_e2e.sh installed (wsvc.exe):
//
//   NjQuick    stops at once, pauses and continues
//   NjPending  stops after stop-pending reports with moving check-points;
//              depends on NjQuick
//   NjStall    stays in stop pending with check-point 1
//   NjExit     stops with service-specific exit code 42
//   NjNoPause  refuses to pause
//
// Each check prints "ok" or "FAIL"; the last line is "N passed, M failed".
// Every wait is bounded.
#include <windows.h>
// The layer's own routine of that name, not the ANSI macro.
#undef EnumDependentServices

#include <cstdio>
#include <string>

#include "platform/error_text.h"
#include "svcstop/mod_service_code.h"
#include "tests/contract/contract_check.h"

namespace {

using contract::Row;
using contract::Section;
using namespace nightjar;
namespace svc = platform::svc;

const DWORD kWaitMs = 15000;

// Polls the status through the layer until the service is in `state` or the
// wait ends; the last status read.
svc::ServiceStatus WaitForState(const std::string& name, std::uint32_t state, DWORD limitMs = kWaitMs) {
    const DWORD start = GetTickCount();
    svc::ServiceStatus status = modServiceCode::GetServiceStatus("", name);
    while (status.currentState != state && GetTickCount() - start < limitMs) {
        Sleep(100);
        status = modServiceCode::GetServiceStatus("", name);
    }
    return status;
}

const CServices* Listed(const std::string& name) {
    Row("EnumerateServices lists the services again", modServiceCode::EnumerateServices("", 3, 48), true);
    const CServices* record = colServices.Item(name);
    Row(name + " is listed", record != nullptr, true);
    return record;
}

// A request the manager refuses answers the system's code for why, and the
// system has a text for it that the refusal's box shows.
void Refused(const std::string& row, long error, long expected) {
    Row(row + " is refused with " + std::to_string(expected), error, expected);
    const std::string text = platform::SystemErrorText(error);
    Row("the system has a text for " + std::to_string(error) + " (\"" + text + "\")", text.empty(), false);
}

bool StartAndWait(const std::string& name) {
    Row(name + ": the manager takes the start", modServiceCode::StartServiceByName("", name), 0L);
    return Row(name + " starts", static_cast<long>(WaitForState(name, svc::kRunning).currentState), 4L);
}

void Listing() {
    Section("the listing and the configuration");
    Row("EnumerateServices succeeds", modServiceCode::EnumerateServices("", 3, 48), true);
    const CServices* quick = colServices.Item("NJQUICK");
    if (!Row("NjQuick is listed under NJQUICK", quick != nullptr, true)) return;
    Row("its ServiceName", quick->ServiceName, std::string("NjQuick"));
    Row("its DisplayName", quick->DisplayName, std::string("Nightjar test service NjQuick"));
    Row("its ServiceType (own process)", quick->ServiceType, 0x10);
    Row("its CurrentStatus (stopped)", quick->CurrentStatus, 1);
    Row("its StartType (on demand)", quick->StartType, 3);
    Row("its ErrorControl (normal)", quick->ErrorControl, 1);
    Row("its PathName names the service's command",
        quick->PathName.find("wsvc.exe\" serve NjQuick quick") != std::string::npos, true);
    Row("its StartName", quick->StartName, std::string("LocalSystem"));
    Row("it depends on nothing", quick->Dependencies, std::string());
    const CServices* pending = colServices.Item("njpending");
    // Wine's QueryServiceConfigA gives no dependency list; the first name of
    // a list is proven on the host.
    if (Row("NjPending is listed", pending != nullptr, true))
        contract::RowOrWine("NjPending's Dependencies", pending->Dependencies, std::string("NjQuick"), std::string());
    contract::RowOrWine("GetServiceConfig reads the dependency",
                        modServiceCode::GetServiceConfig("", "NjPending").Dependencies, std::string("NjQuick"),
                        std::string());
}

void StartPauseContinueStop() {
    Section("start, pause, continue and stop");
    if (!StartAndWait("NjQuick")) return;
    Refused("a second start", modServiceCode::StartServiceByName("", "NjQuick"), platform::kErrorServiceAlreadyRunning);
    const svc::ServiceStatus running = modServiceCode::GetServiceStatus("", "NjQuick");
    Row("running NjQuick accepts stop, pause and continue", running.controlsAccepted, std::uint32_t{3});
    if (const CServices* record = Listed("NJQUICK")) {
        Row("the listing shows it running", record->CurrentStatus, 4);
        Row("the listing shows the controls it accepts", record->ControlsAccepted, 3);
        Row("Running and AcceptPause read true", record->Running() && record->AcceptPause(), true);
    }
    modServiceCode::PauseServiceByName("", "NjQuick");
    Row("NjQuick pauses", WaitForState("NjQuick", svc::kPaused).currentState, std::uint32_t{7});
    modServiceCode::ContinueServiceByName("", "NjQuick");
    Row("NjQuick continues", WaitForState("NjQuick", svc::kRunning).currentState, std::uint32_t{4});
    modServiceCode::StopServiceByName("", "NjQuick");
    Row("NjQuick stops", WaitForState("NjQuick", svc::kStopped).currentState, std::uint32_t{1});
    Refused("a stop of a stopped service", modServiceCode::StopServiceByName("", "NjQuick"),
            platform::kErrorServiceNotActive);
}

void StopPending() {
    Section("a stop with moving check-points");
    if (!StartAndWait("NjPending")) return;
    modServiceCode::StopServiceByName("", "NjPending");
    std::uint32_t firstCheckPoint = 0, lastCheckPoint = 0, hint = 0;
    const DWORD start = GetTickCount();
    svc::ServiceStatus status = modServiceCode::GetServiceStatus("", "NjPending");
    while (status.currentState != svc::kStopped && GetTickCount() - start < kWaitMs) {
        if (status.currentState == svc::kStopPending) {
            if (!firstCheckPoint) firstCheckPoint = status.checkPoint;
            lastCheckPoint = status.checkPoint;
            hint = status.waitHint;
        }
        Sleep(100);
        status = modServiceCode::GetServiceStatus("", "NjPending");
    }
    Row("stop pending carries the wait hint", hint, std::uint32_t{1500});
    Row("the check-point moves", lastCheckPoint > firstCheckPoint, true);
    Row("NjPending stops", status.currentState, std::uint32_t{1});
}

void Stall() {
    Section("a stop that stalls");
    if (!StartAndWait("NjStall")) return;
    modServiceCode::StopServiceByName("", "NjStall");
    const svc::ServiceStatus first = WaitForState("NjStall", svc::kStopPending);
    Sleep(1500);
    const svc::ServiceStatus later = modServiceCode::GetServiceStatus("", "NjStall");
    Row("NjStall reports stop pending", later.currentState, std::uint32_t{3});
    Row("its check-point stays at 1", first.checkPoint == 1 && later.checkPoint == 1, true);
    Row("its wait hint", later.waitHint, std::uint32_t{1000});
    Refused("a second stop while it stops", modServiceCode::StopServiceByName("", "NjStall"),
            platform::kErrorServiceCannotAcceptCtrl);
    if (const CServices* record = Listed("NJSTALL")) {
        Row("the listing shows stop pending", record->CurrentStatus, 3);
        Row("the listing shows check-point 1", record->CheckPoint, 1);
        Row("the listing shows the wait hint", record->WaitHint, 1000);
    }
}

void ExitCode() {
    Section("a stop with an exit code");
    if (!StartAndWait("NjExit")) return;
    modServiceCode::StopServiceByName("", "NjExit");
    const svc::ServiceStatus stopped = WaitForState("NjExit", svc::kStopped);
    Row("NjExit stops", stopped.currentState, std::uint32_t{1});
    Row("with Win32 exit code 1066", stopped.win32ExitCode, std::uint32_t{1066});
    Row("and service-specific code 42", stopped.serviceSpecificExitCode, std::uint32_t{42});
    if (const CServices* record = Listed("NJEXIT")) {
        Row("the listing shows the Win32 exit code", record->Win32ExitCode, 1066);
        Row("the listing shows the service-specific code", record->ServiceSpecificExitCode, 42);
    }
}

void RefusedPause() {
    Section("a refused pause");
    if (!StartAndWait("NjNoPause")) return;
    Refused("a pause of a service that takes none", modServiceCode::PauseServiceByName("", "NjNoPause"),
            platform::kErrorInvalidServiceControl);
    Sleep(1000);
    Row("NjNoPause stays running", modServiceCode::GetServiceStatus("", "NjNoPause").currentState, std::uint32_t{4});
    modServiceCode::StopServiceByName("", "NjNoPause");
    Row("NjNoPause stops", WaitForState("NjNoPause", svc::kStopped).currentState, std::uint32_t{1});
}

void MissingAndDependents() {
    Section("a missing service and dependents");
    const svc::ServiceStatus missing = modServiceCode::GetServiceStatus("", "NjMissing");
    Row("the status of a missing service is all zero",
        missing.currentState == 0 && missing.serviceType == 0 && missing.controlsAccepted == 0, true);
    Refused("a start of a missing service", modServiceCode::StartServiceByName("", "NjMissing"),
            platform::kErrorServiceDoesNotExist);
    Row("the configuration of a missing service is empty",
        modServiceCode::GetServiceConfig("", "NjMissing").BinaryPathName, std::string());
    // Wine's EnumDependentServicesA succeeds and writes no size: no dependents, no message.
    Row("EnumDependentServices finds no dependents under Wine", modServiceCode::EnumDependentServices("", "NjQuick"),
        false);
}

}  // namespace

int main() {
    Listing();
    StartPauseContinueStop();
    StopPending();
    Stall();
    ExitCode();
    RefusedPause();
    MissingAndDependents();
    std::printf("%d passed, %d failed\n", contract::passed, contract::failed);
    return contract::failed == 0 ? 0 : 1;
}
