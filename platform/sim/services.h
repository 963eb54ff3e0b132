#pragma once
// The simulated Service Control Manager: services as state machines that a
// test stages. A request moves a service along a script of statuses, one step
// per status poll, the last step held; a refused request leaves it where it
// is. The listings write the records of a 32-bit process (36 bytes, 4-byte
// text addresses that point into the caller's own buffer), or of a 64-bit
// one when a test says so. Every open handle
// is counted so that a test can fail on one left open.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/services.h"

namespace sim {

// One status a service reports while it moves: state, check-point, wait hint
// and exit codes (type and accepted controls stay the service's own).
struct ServiceStep {
    std::uint32_t state = platform::svc::kStopped;
    std::uint32_t checkPoint = 0;
    std::uint32_t waitHint = 0;
    std::uint32_t win32ExitCode = 0;
    std::uint32_t serviceSpecificExitCode = 0;
};

// The requests a script answers.
enum ServiceRequest : std::uint32_t { kRequestStart = 0, kRequestStop = 1, kRequestPause = 2, kRequestContinue = 3 };

// The calls of the service contract, for staging their failures.
enum class ServiceCall {
    OpenManager,
    Open,
    Close,
    EnumServices,
    EnumDependents,
    QueryConfig,
    QueryStatus,
    Start,
    Control,
};

struct SimService {
    std::string name;
    std::string displayName;
    // Its controlsAccepted are the controls the service takes once it runs:
    // while it is stopped or starting, the manager reports none. While it is
    // stopped and no request has moved it, it reports the exit code kErrorServiceNeverStarted.
    platform::svc::ServiceStatus status{platform::svc::kOwnProcess, platform::svc::kStopped,
                                        platform::svc::kAcceptStop | platform::svc::kAcceptPauseContinue};
    bool moved = false;
    std::uint32_t startType = platform::svc::kDemandStart;
    std::uint32_t errorControl = 1;
    std::uint32_t tagId = 0;
    std::string binaryPath = "C:\\WINDOWS\\System32\\svchost.exe -k netsvcs";
    std::string loadOrderGroup;
    std::vector<std::string> dependencies;  // the services this one depends on
    std::string startName = "LocalSystem";

    // The rights a user may open the service with; others are refused with 5.
    std::uint32_t rights = platform::svc::kServiceAllAccess;
    // Start and control requests fail with this code and the service never moves.
    long refusal = 0;
    // Starting fails with 2: the executable is gone.
    bool binaryMissing = false;
    // What the service reports after each kind of request, poll by poll. A
    // request without a script reaches its state at once.
    std::map<ServiceRequest, std::vector<ServiceStep>> scripts;
    // The steps of the running script still to come.
    std::deque<ServiceStep> toCome;
};

struct ScOpen {
    bool manager = false;
    std::string machine;
    std::string database;
    std::string service;  // as passed
    std::uint32_t access = 0;
};

struct ServiceManager {
    // The services, in the order the manager lists them.
    std::deque<SimService> services;  // a deque: references stay valid as services are added
    // The rights a user may open the manager with; others are refused with 5.
    std::uint32_t managerRights = platform::svc::kManagerAllAccess;
    // As Wine's: listing dependents succeeds and writes nothing at all.
    bool dependentsStub = false;
    // The records of a 64-bit process: 48-byte listing records, 8-byte text
    // addresses, and buffers that lie above 4 GB.
    bool records64 = false;
    // Calls that fail as the system fails them: each of the next calls of
    // that kind returns failure with the code at the front as its last error
    // (0 answers as usual). A handle the call was given must still be one
    // that allows it; a failed size query of the configuration still says
    // the size it needs.
    std::map<ServiceCall, std::deque<long>> failures;
    // Runs once, right after the next size query of a listing: another
    // program changing the services between the caller's two calls.
    std::function<void()> afterSizeQuery;

    SimService& add(const std::string& name, const std::string& displayName);
    SimService* find(const std::string& name);
    // "MANAGER" or the service name of every handle not yet closed.
    std::vector<std::string> openHandles() const;

    // Every open that succeeded, in order; the requests sent (service, request).
    std::vector<ScOpen> opens;
    std::vector<std::pair<std::string, ServiceRequest>> requests;
    // The buffer size of every listing call, size queries included.
    std::vector<std::uint32_t> listingSizes;
    int statusQueries = 0;

    // Backend use.
    std::map<platform::Handle, ScOpen> handles;
    platform::Handle nextHandle = 0x5000;
    long lastError = 0;
};

// The machine's service manager (M().services).
ServiceManager& Services();

// The address the simulated records give the first byte of any buffer, in a
// 32-bit and in a 64-bit process.
inline constexpr std::uint64_t kSimBufferAddress = 0x00A00000;
inline constexpr std::uint64_t kSimBufferAddress64 = 0x000001F400A00000;

}  // namespace sim
