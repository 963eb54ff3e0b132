// The Service Control Manager: the ANSI service calls, each followed at once
// by a read of the thread's last error.
#include "platform/services.h"

#include <cstddef>

#include "platform/win32/handles.h"

namespace platform::svc {

using win32::From;
using win32::To;

namespace {

long lastError = 0;

constexpr const RecordLayout& kNative = sizeof(void*) == 8 ? kLayout64 : kLayout32;

// The layout the code reads must be the one the system writes.
static_assert(sizeof(void*) == kNative.addressSize);
static_assert(sizeof(ENUM_SERVICE_STATUSA) == kNative.enumRecordSize);
static_assert(offsetof(ENUM_SERVICE_STATUSA, lpDisplayName) == kNative.enumDisplayName);
static_assert(offsetof(ENUM_SERVICE_STATUSA, ServiceStatus) == kNative.enumStatusOffset);
static_assert(sizeof(QUERY_SERVICE_CONFIGA) == kNative.configSize);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, dwStartType) == kNative.configStartType);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, dwErrorControl) == kNative.configErrorControl);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, lpBinaryPathName) == kNative.configBinaryPath);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, lpLoadOrderGroup) == kNative.configLoadOrderGroup);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, dwTagId) == kNative.configTagId);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, lpDependencies) == kNative.configDependencies);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, lpServiceStartName) == kNative.configStartName);
static_assert(offsetof(QUERY_SERVICE_CONFIGA, lpDisplayName) == kNative.configDisplayName);
static_assert(sizeof(SERVICE_STATUS) == sizeof(ServiceStatus));

template <class T>
T Kept(T result) {
    lastError = static_cast<long>(GetLastError());
    return result;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

void CopyStatus(const SERVICE_STATUS& from, ServiceStatus* to) {
    *to = {from.dwServiceType,
           from.dwCurrentState,
           from.dwControlsAccepted,
           from.dwWin32ExitCode,
           from.dwServiceSpecificExitCode,
           from.dwCheckPoint,
           from.dwWaitHint};
}

}  // namespace

const RecordLayout& Layout() { return kNative; }

std::uint64_t BufferAddress(const void* buffer) { return reinterpret_cast<std::uintptr_t>(buffer); }

ScHandle OpenManager(const std::string& machine, const std::string& database, std::uint32_t access) {
    return From(Kept(OpenSCManagerA(OrNull(machine), OrNull(database), access)));
}

ScHandle Open(ScHandle manager, const std::string& name, std::uint32_t access) {
    return From(Kept(OpenServiceA(To<SC_HANDLE>(manager), name.c_str(), access)));
}

int Close(ScHandle handle) { return Kept(CloseServiceHandle(To<SC_HANDLE>(handle))); }

int EnumServices(ScHandle manager, std::uint32_t type, std::uint32_t state, void* buffer, std::uint32_t size,
                 std::uint32_t* bytesNeeded, std::uint32_t* servicesReturned, std::uint32_t* resumeHandle) {
    // A listing without a resume handle passes none: the system then starts
    // at the first service.
    DWORD needed = *bytesNeeded, returned = *servicesReturned, resume = resumeHandle ? *resumeHandle : 0;
    const BOOL ok =
        Kept(EnumServicesStatusA(To<SC_HANDLE>(manager), type, state, static_cast<ENUM_SERVICE_STATUSA*>(buffer), size,
                                 &needed, &returned, resumeHandle ? &resume : nullptr));
    *bytesNeeded = needed;
    *servicesReturned = returned;
    if (resumeHandle) *resumeHandle = resume;
    return ok;
}

int EnumDependents(ScHandle service, std::uint32_t state, void* buffer, std::uint32_t size, std::uint32_t* bytesNeeded,
                   std::uint32_t* servicesReturned) {
    DWORD needed = *bytesNeeded, returned = *servicesReturned;
    const BOOL ok = Kept(EnumDependentServicesA(To<SC_HANDLE>(service), state,
                                                static_cast<ENUM_SERVICE_STATUSA*>(buffer), size, &needed, &returned));
    *bytesNeeded = needed;
    *servicesReturned = returned;
    return ok;
}

int QueryConfig(ScHandle service, void* buffer, std::uint32_t size, std::uint32_t* bytesNeeded) {
    DWORD needed = *bytesNeeded;
    const BOOL ok =
        Kept(QueryServiceConfigA(To<SC_HANDLE>(service), static_cast<QUERY_SERVICE_CONFIGA*>(buffer), size, &needed));
    *bytesNeeded = needed;
    return ok;
}

int QueryStatus(ScHandle service, ServiceStatus* status) {
    SERVICE_STATUS record{};
    const BOOL ok = Kept(::QueryServiceStatus(To<SC_HANDLE>(service), &record));
    CopyStatus(record, status);
    return ok;
}

int Start(ScHandle service) { return Kept(StartServiceA(To<SC_HANDLE>(service), 0, nullptr)); }

int Control(ScHandle service, std::uint32_t control, ServiceStatus* status) {
    SERVICE_STATUS record{};
    const BOOL ok = Kept(::ControlService(To<SC_HANDLE>(service), control, &record));
    CopyStatus(record, status);
    return ok;
}

long LastError() { return lastError; }

}  // namespace platform::svc
