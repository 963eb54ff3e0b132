#pragma once
// The Service Control Manager as nightjar uses it: the ANSI service calls with
// Win32's handles, access rights, states and result codes. Each call returns
// what the system call returns (a handle, or nonzero for success); the error
// code of the call is kept at once and read with LastError(), so that nothing
// done in between can change it. A call that succeeds leaves the last error
// as it was: read it only after a call that failed.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform::svc {

// A manager or service handle; 0 when an open failed.
using ScHandle = Handle;

// Access rights.
inline constexpr std::uint32_t kManagerConnect = 0x0001;
inline constexpr std::uint32_t kManagerEnumerate = 0x0004;
inline constexpr std::uint32_t kManagerAllAccess = 0xF003F;
inline constexpr std::uint32_t kQueryConfig = 0x0001;
inline constexpr std::uint32_t kQueryStatus = 0x0004;
inline constexpr std::uint32_t kEnumerateDependents = 0x0008;
inline constexpr std::uint32_t kStart = 0x0010;
inline constexpr std::uint32_t kStop = 0x0020;
inline constexpr std::uint32_t kPauseContinue = 0x0040;
inline constexpr std::uint32_t kServiceAllAccess = 0xF01FF;

// Service states (dwCurrentState) and the state filter of the listings.
enum State : std::uint32_t {
    kStopped = 1,
    kStartPending = 2,
    kStopPending = 3,
    kRunning = 4,
    kContinuePending = 5,
    kPausePending = 6,
    kPaused = 7,
};
inline constexpr std::uint32_t kStateActive = 1;
inline constexpr std::uint32_t kStateInactive = 2;
inline constexpr std::uint32_t kStateAll = 3;

// Start types (dwStartType).
inline constexpr std::uint32_t kBootStart = 0;
inline constexpr std::uint32_t kSystemStart = 1;
inline constexpr std::uint32_t kAutoStart = 2;
inline constexpr std::uint32_t kDemandStart = 3;
inline constexpr std::uint32_t kDisabled = 4;

// Service types.
inline constexpr std::uint32_t kOwnProcess = 0x10;
inline constexpr std::uint32_t kShareProcess = 0x20;
inline constexpr std::uint32_t kWin32 = 0x30;

// Controls accepted (dwControlsAccepted).
inline constexpr std::uint32_t kAcceptStop = 1;
inline constexpr std::uint32_t kAcceptPauseContinue = 2;
inline constexpr std::uint32_t kAcceptShutdown = 4;

// Control requests.
inline constexpr std::uint32_t kControlStop = 1;
inline constexpr std::uint32_t kControlPause = 2;
inline constexpr std::uint32_t kControlContinue = 3;

// SERVICE_STATUS, seven 32-bit fields on every build, laid out as the system
// lays them in the listings' records.
struct ServiceStatus {
    std::uint32_t serviceType = 0;
    std::uint32_t currentState = 0;
    std::uint32_t controlsAccepted = 0;
    std::uint32_t win32ExitCode = 0;
    std::uint32_t serviceSpecificExitCode = 0;
    std::uint32_t checkPoint = 0;
    std::uint32_t waitHint = 0;
};

// Where the fields of the records lie in the buffers the listings and the
// configuration query fill. Numbers are 32-bit; a text field holds the
// address (addressSize bytes) of a zero-terminated ANSI text, 0 for none.
struct RecordLayout {
    std::uint32_t addressSize;
    // ENUM_SERVICE_STATUSA: the two text addresses, then the seven status
    // fields of a ServiceStatus from enumStatusOffset.
    std::uint32_t enumRecordSize;
    std::uint32_t enumServiceName;
    std::uint32_t enumDisplayName;
    std::uint32_t enumStatusOffset;
    // QUERY_SERVICE_CONFIGA.
    std::uint32_t configSize;
    std::uint32_t configServiceType;
    std::uint32_t configStartType;
    std::uint32_t configErrorControl;
    std::uint32_t configBinaryPath;
    std::uint32_t configLoadOrderGroup;
    std::uint32_t configTagId;
    std::uint32_t configDependencies;
    std::uint32_t configStartName;
    std::uint32_t configDisplayName;
};

// The records of a 32-bit process: 4-byte addresses, 36-byte records.
inline constexpr RecordLayout kLayout32{
    .addressSize = 4,
    .enumRecordSize = 36,
    .enumServiceName = 0,
    .enumDisplayName = 4,
    .enumStatusOffset = 8,
    .configSize = 36,
    .configServiceType = 0,
    .configStartType = 4,
    .configErrorControl = 8,
    .configBinaryPath = 12,
    .configLoadOrderGroup = 16,
    .configTagId = 20,
    .configDependencies = 24,
    .configStartName = 28,
    .configDisplayName = 32,
};
// The records of a 64-bit process: 8-byte addresses aligned to 8.
inline constexpr RecordLayout kLayout64{
    .addressSize = 8,
    .enumRecordSize = 48,
    .enumServiceName = 0,
    .enumDisplayName = 8,
    .enumStatusOffset = 16,
    .configSize = 64,
    .configServiceType = 0,
    .configStartType = 4,
    .configErrorControl = 8,
    .configBinaryPath = 16,
    .configLoadOrderGroup = 24,
    .configTagId = 32,
    .configDependencies = 40,
    .configStartName = 48,
    .configDisplayName = 56,
};

// The layout of the records this backend's calls write.
const RecordLayout& Layout();
// The address by which the records a call writes into `buffer` refer to the
// buffer's first byte: a text at byte i of the buffer has the address
// BufferAddress(buffer) + i.
std::uint64_t BufferAddress(const void* buffer);

// OpenSCManagerA; an empty machine or database name is passed as none.
ScHandle OpenManager(const std::string& machine, const std::string& database, std::uint32_t access);
// OpenServiceA.
ScHandle Open(ScHandle manager, const std::string& name, std::uint32_t access);
// CloseServiceHandle.
int Close(ScHandle handle);

// EnumServicesStatusA: as many records as fit, their texts after them. With
// no resume handle the listing starts at the first service.
int EnumServices(ScHandle manager, std::uint32_t type, std::uint32_t state, void* buffer, std::uint32_t size,
                 std::uint32_t* bytesNeeded, std::uint32_t* servicesReturned, std::uint32_t* resumeHandle);
// EnumDependentServicesA.
int EnumDependents(ScHandle service, std::uint32_t state, void* buffer, std::uint32_t size, std::uint32_t* bytesNeeded,
                   std::uint32_t* servicesReturned);
// QueryServiceConfigA.
int QueryConfig(ScHandle service, void* buffer, std::uint32_t size, std::uint32_t* bytesNeeded);
// QueryServiceStatus.
int QueryStatus(ScHandle service, ServiceStatus* status);
// StartServiceA with no arguments.
int Start(ScHandle service);
// ControlService.
int Control(ScHandle service, std::uint32_t control, ServiceStatus* status);

// The error code of the last service call, read right after it.
long LastError();

}  // namespace platform::svc
