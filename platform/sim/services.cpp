// The simulated Service Control Manager: its services' scripted states, and the service calls of
// services.h on them with their result codes and record layouts.
#include "platform/sim/services.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "platform/sim/sim.h"
#include "platform/text_fold.h"

namespace sim {

ServiceManager& Services() { return M().services; }

SimService& ServiceManager::add(const std::string& name, const std::string& displayName) {
    SimService service;
    service.name = name;
    service.displayName = displayName;
    services.push_back(service);
    return services.back();
}

SimService* ServiceManager::find(const std::string& name) {
    for (SimService& service : services)
        if (platform::EqualFolded(service.name, name)) return &service;  // without regard to case
    return nullptr;
}

std::vector<std::string> ServiceManager::openHandles() const {
    std::vector<std::string> open;
    for (const auto& [handle, what] : handles) open.push_back(what.manager ? "MANAGER" : what.service);
    return open;
}

}  // namespace sim

namespace platform::svc {

namespace {

using sim::ServiceStep;
using sim::SimService;

sim::ServiceManager& S() { return sim::Services(); }

int Fail(long code) {
    S().lastError = code;
    return 0;
}

// A call that succeeds leaves the last error as it was, as the system's do.
int Succeed() { return 1; }

ScHandle NewHandle(const sim::ScOpen& open) {
    const ScHandle handle = S().nextHandle;
    S().nextHandle += 4;
    S().handles[handle] = open;
    S().opens.push_back(open);
    return handle;
}

// The open handle of the given kind with the given right, or why not.
long Check(ScHandle handle, bool wantManager, std::uint32_t right, SimService** service = nullptr) {
    auto open = S().handles.find(handle);
    if (open == S().handles.end() || open->second.manager != wantManager) return kErrorInvalidHandle;
    if ((open->second.access & right) != right) return kErrorAccessDenied;
    if (service) {
        *service = S().find(open->second.service);
        if (!*service) return kErrorInvalidHandle;
    }
    return kErrorSuccess;
}

void Put32(std::uint8_t* at, std::uint32_t value) { std::memcpy(at, &value, 4); }

// The records of the process the machine runs the program as.
const RecordLayout& Records() { return S().records64 ? kLayout64 : kLayout32; }
std::uint64_t BufferBase() { return S().records64 ? sim::kSimBufferAddress64 : sim::kSimBufferAddress; }

// Writes texts one after the other from `end` and their addresses.
class TextArea {
public:
    TextArea(std::uint8_t* buffer, std::uint32_t start) : buffer_(buffer), end_(start) {}
    void put(std::uint32_t field, const std::string& text) { putBytes(field, text.c_str(), text.size() + 1); }
    void putBytes(std::uint32_t field, const char* bytes, std::size_t size) {
        std::memcpy(buffer_ + end_, bytes, size);
        const std::uint64_t address = BufferBase() + end_;
        std::memcpy(buffer_ + field, &address, Records().addressSize);
        end_ += static_cast<std::uint32_t>(size);
    }

private:
    std::uint8_t* buffer_;
    std::uint32_t end_;
};

// The code a staged failure gives the call, or 0.
long StagedFailure(sim::ServiceCall call) {
    auto staged = S().failures.find(call);
    if (staged == S().failures.end() || staged->second.empty()) return 0;
    const long code = staged->second.front();
    staged->second.pop_front();
    return code;
}

// What the test staged to happen between a listing's size query and its fill.
void BetweenCalls() {
    if (!S().afterSizeQuery) return;
    const std::function<void()> change = std::move(S().afterSizeQuery);
    S().afterSizeQuery = nullptr;
    change();
}

// The status as the manager reports it: a service that is stopped or still
// starting accepts no controls, and one never started says so.
ServiceStatus Reported(const SimService& service) {
    ServiceStatus status = service.status;
    if (status.currentState == kStopped || status.currentState == kStartPending) status.controlsAccepted = 0;
    if (status.currentState == kStopped && !service.moved && status.win32ExitCode == 0)
        status.win32ExitCode = platform::kErrorServiceNeverStarted;
    return status;
}

std::uint32_t EnumSize(const SimService& service) {
    return Records().enumRecordSize + static_cast<std::uint32_t>(service.name.size() + service.displayName.size() + 2);
}

bool StateMatches(std::uint32_t current, std::uint32_t filter) {
    const bool active = current != kStopped;
    return ((filter & kStateActive) && active) || ((filter & kStateInactive) && !active);
}

// Fills as many records as fit, from `first` on, as the listing calls do.
int FillRecords(const std::vector<const SimService*>& listed, std::size_t first, void* buffer, std::uint32_t size,
                std::uint32_t* bytesNeeded, std::uint32_t* returned, std::uint32_t* resume) {
    std::size_t fit = first;
    std::uint32_t used = 0;
    while (size > 0 && fit < listed.size() && used + EnumSize(*listed[fit]) <= size) used += EnumSize(*listed[fit++]);
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    const std::size_t count = fit - first;
    TextArea texts(bytes, static_cast<std::uint32_t>(count * Records().enumRecordSize));
    for (std::size_t i = 0; i < count; ++i) {
        const SimService& service = *listed[first + i];
        const std::uint32_t record = static_cast<std::uint32_t>(i * Records().enumRecordSize);
        texts.put(record + Records().enumServiceName, service.name);
        texts.put(record + Records().enumDisplayName, service.displayName);
        const ServiceStatus status = Reported(service);
        std::memcpy(bytes + record + Records().enumStatusOffset, &status, sizeof(ServiceStatus));
    }
    *returned = static_cast<std::uint32_t>(count);
    if (fit == listed.size()) {
        *bytesNeeded = 0;
        if (resume) *resume = 0;
        return Succeed();
    }
    std::uint32_t needed = 0;
    for (std::size_t i = fit; i < listed.size(); ++i) needed += EnumSize(*listed[i]);
    *bytesNeeded = needed;
    if (resume) *resume = static_cast<std::uint32_t>(fit);
    return Fail(kErrorMoreData);
}

std::string MultiText(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += name + std::string(1, '\0');
    return list + std::string(1, '\0');
}

void Apply(SimService& service, const ServiceStep& step) {
    service.status.currentState = step.state;
    service.status.checkPoint = step.checkPoint;
    service.status.waitHint = step.waitHint;
    service.status.win32ExitCode = step.win32ExitCode;
    service.status.serviceSpecificExitCode = step.serviceSpecificExitCode;
}

// Starts the script of a request that was accepted.
int Move(SimService& service, sim::ServiceRequest request, std::uint32_t target) {
    S().requests.emplace_back(service.name, request);
    service.moved = true;
    auto script = service.scripts.find(request);
    service.toCome.clear();
    if (script == service.scripts.end() || script->second.empty()) {
        Apply(service, ServiceStep{target});
    } else {
        service.toCome.assign(script->second.begin(), script->second.end());
        Apply(service, service.toCome.front());
        service.toCome.pop_front();
    }
    return Succeed();
}

bool HasActiveDependents(const SimService& service) {
    for (const SimService& other : S().services)
        for (const std::string& name : other.dependencies)
            if (sim::Fold(name) == sim::Fold(service.name) && other.status.currentState != kStopped) return true;
    return false;
}

}  // namespace

const RecordLayout& Layout() { return Records(); }

std::uint64_t BufferAddress(const void*) { return BufferBase(); }

ScHandle OpenManager(const std::string& machine, const std::string& database, std::uint32_t access) {
    if (long error = StagedFailure(sim::ServiceCall::OpenManager)) return Fail(error);
    // The manager knows two databases and opens only the active one.
    if (!database.empty() && sim::Fold(database) != "servicesactive")
        return Fail(sim::Fold(database) == "servicesfailed" ? long{kErrorDatabaseDoesNotExist}
                                                            : long{kErrorInvalidName});
    if (access & ~S().managerRights) return Fail(kErrorAccessDenied);
    return NewHandle(sim::ScOpen{true, machine, database, "", access});
}

ScHandle Open(ScHandle manager, const std::string& name, std::uint32_t access) {
    if (long error = Check(manager, true, 0)) return Fail(error);
    if (long error = StagedFailure(sim::ServiceCall::Open)) return Fail(error);
    SimService* service = S().find(name);
    if (!service) return Fail(kErrorServiceDoesNotExist);
    if (access & ~service->rights) return Fail(kErrorAccessDenied);
    return NewHandle(sim::ScOpen{false, "", "", service->name, access});
}

int Close(ScHandle handle) {
    if (long error = StagedFailure(sim::ServiceCall::Close)) return Fail(error);
    return S().handles.erase(handle) ? Succeed() : Fail(kErrorInvalidHandle);
}

int EnumServices(ScHandle manager, std::uint32_t type, std::uint32_t state, void* buffer, std::uint32_t size,
                 std::uint32_t* bytesNeeded, std::uint32_t* servicesReturned, std::uint32_t* resumeHandle) {
    if (long error = Check(manager, true, 0)) return Fail(error);
    // The manager answers a refused listing with no size and no services.
    *bytesNeeded = 0;
    *servicesReturned = 0;
    if (long error = Check(manager, true, kManagerEnumerate)) return Fail(error);
    S().listingSizes.push_back(size);
    if (long error = StagedFailure(sim::ServiceCall::EnumServices)) return Fail(error);
    std::vector<const SimService*> listed;
    for (const SimService& service : S().services)
        if ((service.status.serviceType & type) && StateMatches(service.status.currentState, state))
            listed.push_back(&service);
    const std::size_t first = resumeHandle ? std::min<std::size_t>(*resumeHandle, listed.size()) : 0;
    // A listing into no buffer asks for its size; where there is nothing to
    // list, it has given all there is and succeeds.
    if (size == 0) {
        std::uint32_t needed = 0;
        for (std::size_t i = first; i < listed.size(); ++i) needed += EnumSize(*listed[i]);
        *bytesNeeded = needed;
        *servicesReturned = 0;
        BetweenCalls();
        return needed ? Fail(kErrorMoreData) : Succeed();
    }
    return FillRecords(listed, first, buffer, size, bytesNeeded, servicesReturned, resumeHandle);
}

int EnumDependents(ScHandle service, std::uint32_t state, void* buffer, std::uint32_t size, std::uint32_t* bytesNeeded,
                   std::uint32_t* servicesReturned) {
    SimService* target = nullptr;
    if (long error = Check(service, false, kEnumerateDependents, &target)) return Fail(error);
    S().listingSizes.push_back(size);
    if (long error = StagedFailure(sim::ServiceCall::EnumDependents)) return Fail(error);
    if (S().dependentsStub) return Succeed();
    std::vector<const SimService*> listed;
    for (const SimService& other : S().services)
        for (const std::string& name : other.dependencies)
            if (sim::Fold(name) == sim::Fold(target->name) && StateMatches(other.status.currentState, state))
                listed.push_back(&other);
    const int result = FillRecords(listed, 0, buffer, size, bytesNeeded, servicesReturned, nullptr);
    if (size == 0) BetweenCalls();
    return result;
}

int QueryConfig(ScHandle service, void* buffer, std::uint32_t size, std::uint32_t* bytesNeeded) {
    SimService* s = nullptr;
    if (long error = Check(service, false, kQueryConfig, &s)) return Fail(error);
    const std::string dependencies = MultiText(s->dependencies);
    const std::uint32_t needed =
        Records().configSize +
        static_cast<std::uint32_t>(s->binaryPath.size() + s->loadOrderGroup.size() + dependencies.size() +
                                   s->startName.size() + s->displayName.size() + 4);
    if (long error = StagedFailure(sim::ServiceCall::QueryConfig)) {
        *bytesNeeded = needed;
        return Fail(error);
    }
    if (size < needed) {
        *bytesNeeded = needed;
        return Fail(kErrorInsufficientBuffer);
    }
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::memset(bytes, 0, Records().configSize);
    Put32(bytes + Records().configServiceType, s->status.serviceType);
    Put32(bytes + Records().configStartType, s->startType);
    Put32(bytes + Records().configErrorControl, s->errorControl);
    Put32(bytes + Records().configTagId, s->tagId);
    TextArea texts(bytes, Records().configSize);
    texts.put(Records().configBinaryPath, s->binaryPath);
    texts.put(Records().configLoadOrderGroup, s->loadOrderGroup);
    texts.putBytes(Records().configDependencies, dependencies.data(), dependencies.size());
    texts.put(Records().configStartName, s->startName);
    texts.put(Records().configDisplayName, s->displayName);
    return Succeed();
}

// Each poll reports where the service stands, then moves it one step on.
int QueryStatus(ScHandle service, ServiceStatus* status) {
    SimService* s = nullptr;
    if (long error = Check(service, false, kQueryStatus, &s)) return Fail(error);
    if (long error = StagedFailure(sim::ServiceCall::QueryStatus)) return Fail(error);
    ++S().statusQueries;
    *status = Reported(*s);
    if (!s->toCome.empty()) {
        Apply(*s, s->toCome.front());
        s->toCome.pop_front();
    }
    return Succeed();
}

int Start(ScHandle service) {
    SimService* s = nullptr;
    if (long error = Check(service, false, kStart, &s)) return Fail(error);
    if (long error = StagedFailure(sim::ServiceCall::Start)) return Fail(error);
    if (s->refusal) return Fail(s->refusal);
    if (s->startType == kDisabled) return Fail(kErrorServiceDisabled);
    if (s->binaryMissing) return Fail(kErrorFileNotFound);
    if (s->status.currentState != kStopped) return Fail(kErrorServiceAlreadyRunning);
    return Move(*s, sim::kRequestStart, kRunning);
}

int Control(ScHandle service, std::uint32_t control, ServiceStatus* status) {
    struct Rule {
        std::uint32_t right, accepted, from, target;
        sim::ServiceRequest request;
    };
    static const std::map<std::uint32_t, Rule> rules = {
        {kControlStop, {kStop, kAcceptStop, 0, kStopped, sim::kRequestStop}},
        {kControlPause, {kPauseContinue, kAcceptPauseContinue, kRunning, kPaused, sim::kRequestPause}},
        {kControlContinue, {kPauseContinue, kAcceptPauseContinue, kPaused, kRunning, sim::kRequestContinue}},
    };
    auto rule = rules.find(control);
    if (rule == rules.end()) return Fail(kErrorInvalidParameter);
    SimService* s = nullptr;
    if (long error = Check(service, false, rule->second.right, &s)) return Fail(error);
    if (long error = StagedFailure(sim::ServiceCall::Control)) return Fail(error);
    if (s->refusal) return Fail(s->refusal);
    // The manager's own refusals, as Windows makes them: a stopped service
    // takes no control, one that is stopping none either, one that is
    // starting only a stop, and any other only the controls it accepts.
    const std::uint32_t state = s->status.currentState;
    if (state == kStopped) return Fail(kErrorServiceNotActive);
    if (state == kStopPending || (state == kStartPending && control != kControlStop))
        return Fail(kErrorServiceCannotAcceptCtrl);
    if (!(Reported(*s).controlsAccepted & rule->second.accepted)) return Fail(kErrorInvalidServiceControl);
    if (rule->second.from && s->status.currentState != rule->second.from) return Fail(kErrorInvalidServiceControl);
    if (control == kControlStop && HasActiveDependents(*s)) return Fail(kErrorDependentServicesRunning);
    Move(*s, rule->second.request, rule->second.target);
    *status = Reported(*s);
    return 1;
}

long LastError() { return S().lastError; }

}  // namespace platform::svc
