// nightjar's one door to the Service Control Manager.
#include "svcstop/mod_service_code.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>

#include "platform/dialogs.h"
#include "platform/process_globals.h"
#include "platform/program.h"
#include "svcstop/service_buffer.h"

namespace nightjar {

ServiceCollection colServices;
ServiceCollection colDependents;
static const platform::ResetAtStart resetServiceLists([] {
    colServices.Clear();
    colDependents.Clear();
});

namespace svc = platform::svc;

namespace {

std::int32_t Signed(std::uint32_t value) { return static_cast<std::int32_t>(value); }

}  // namespace

void TakeStatus(CServices& record, const svc::ServiceStatus& status) {
    record.ServiceType = Signed(status.serviceType);
    record.CurrentStatus = Signed(status.currentState);
    record.ControlsAccepted = Signed(status.controlsAccepted);
    record.Win32ExitCode = Signed(status.win32ExitCode);
    record.ServiceSpecificExitCode = Signed(status.serviceSpecificExitCode);
    record.CheckPoint = Signed(status.checkPoint);
    record.WaitHint = Signed(status.waitHint);
}

namespace modServiceCode {

namespace {

const char kActiveDatabase[] = "ServicesActive";
const char kEnumTitle[] = "Error enumerating services";

// A manager or service handle, closed when it goes out of scope.
class OpenHandle {
public:
    explicit OpenHandle(svc::ScHandle handle) : handle_(handle) {}
    OpenHandle(const OpenHandle&) = delete;
    OpenHandle& operator=(const OpenHandle&) = delete;
    ~OpenHandle() {
        if (handle_) svc::Close(handle_);
    }
    svc::ScHandle get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    svc::ScHandle handle_;
};

// The untitled boxes of the configuration and dependents queries.
void ShowCode(const std::string& text, long code) { platform::MessageBox(text + std::to_string(code)); }

void ShowBoxB(long code) {
    platform::MessageBox("The following error occurred (" + std::to_string(code) + ")", platform::kMbIconError,
                         kEnumTitle);
}

// The records of a listing, each with its two names and its status.
struct ListedService {
    std::string name;
    std::string displayName;
    svc::ServiceStatus status;
};

// The status that stands in the buffer from byte `at`.
svc::ServiceStatus StatusAt(const ServiceBuffer& buffer, std::size_t at) {
    using Status = svc::ServiceStatus;
    return {buffer.Number(at + offsetof(Status, serviceType)),
            buffer.Number(at + offsetof(Status, currentState)),
            buffer.Number(at + offsetof(Status, controlsAccepted)),
            buffer.Number(at + offsetof(Status, win32ExitCode)),
            buffer.Number(at + offsetof(Status, serviceSpecificExitCode)),
            buffer.Number(at + offsetof(Status, checkPoint)),
            buffer.Number(at + offsetof(Status, waitHint))};
}

std::vector<ListedService> ReadRecords(const ServiceBuffer& buffer, std::uint32_t returned) {
    const svc::RecordLayout& layout = svc::Layout();
    const std::uint32_t count = std::min(returned, buffer.size() / layout.enumRecordSize);
    std::vector<ListedService> listed;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = std::size_t{i} * layout.enumRecordSize;
        listed.push_back({buffer.Text(at + layout.enumServiceName), buffer.Text(at + layout.enumDisplayName),
                          StatusAt(buffer, at + layout.enumStatusOffset)});
    }
    return listed;
}

std::unique_ptr<CServices> NewRecord(const ListedService& listed) {
    auto record = std::make_unique<CServices>();
    record->ServiceName = listed.name;
    record->DisplayName = listed.displayName;
    return record;
}

// Opens the manager of the active database with full access and the service
// with `access`, runs `action` on the service and closes both. 0 when both
// opened, else the error code of the open that failed.
template <class Action>
long WithService(const std::string& machine, const std::string& serviceName, std::uint32_t access,
                 const Action& action) {
    OpenHandle manager(svc::OpenManager(machine, kActiveDatabase, svc::kManagerAllAccess));
    if (!manager) return svc::LastError();
    OpenHandle service(svc::Open(manager.get(), serviceName, access));
    if (!service) return svc::LastError();
    action(service.get());
    return 0;
}

// Sends the request through `send`; 0 when it was taken, else why not.
template <class Send>
long SendRequest(const std::string& machine, const std::string& serviceName, const Send& send) {
    long refused = 0;
    const long opened = WithService(machine, serviceName, svc::kServiceAllAccess, [&](svc::ScHandle service) {
        if (!send(service)) refused = svc::LastError();
    });
    return opened ? opened : refused;
}

long SendControl(const std::string& machine, const std::string& serviceName, std::uint32_t control) {
    return SendRequest(machine, serviceName, [control](svc::ScHandle service) {
        svc::ServiceStatus status;
        return svc::Control(service, control, &status);
    });
}

}  // namespace

bool EnumerateServices(const std::string& machine, std::uint32_t stateFilter, std::uint32_t typeFilter) {
    OpenHandle manager(svc::OpenManager(machine, "", svc::kManagerEnumerate));
    if (!manager) {
        const long code = svc::LastError();
        platform::MessageBox("The following error occurred (" + std::to_string(code) + "):\r\n" +
                                 ApiErrorText(code, "EnumerateServices", "OpenSCManager"),
                             platform::kMbIconError, kEnumTitle);
        return false;
    }
    std::uint32_t needed = 0, returned = 0, resume = 0;
    // A size query that succeeds found nothing to list; only a failed one
    // has an error code to read.
    if (!svc::EnumServices(manager.get(), typeFilter, stateFilter, nullptr, 0, &needed, &returned, &resume)) {
        if (const long code = svc::LastError(); code != platform::kErrorMoreData) {
            ShowBoxB(code);
            return false;
        }
    }
    const std::uint32_t recordSize = svc::Layout().enumRecordSize;
    ServiceBuffer buffer(std::size_t{RecordCount(needed, recordSize)} * recordSize);
    needed = returned = resume = 0;
    if (!svc::EnumServices(manager.get(), typeFilter, stateFilter, buffer.data(), buffer.size(), &needed, &returned,
                           &resume)) {
        ShowBoxB(svc::LastError());
        return false;
    }
    // The new list is built aside, so that whatever runs while a message
    // box below is open still reads the previous one.
    ServiceCollection services;
    for (const ListedService& listed : ReadRecords(buffer, returned)) {
        auto record = NewRecord(listed);
        TakeStatus(*record, listed.status);
        const ServiceConfig config = GetServiceConfig(machine, listed.name);
        record->StartType = config.StartType;
        record->ErrorControl = config.ErrorControl;
        record->PathName = config.BinaryPathName;
        record->LoadOrderGroup = config.LoadOrderGroup;
        record->TagID = config.TagId;
        record->Dependencies = config.Dependencies;
        record->StartName = config.ServiceStartName;
        services.Add(std::move(record));
    }
    colServices = std::move(services);
    return true;
}

ServiceConfig GetServiceConfig(const std::string& machine, const std::string& serviceName) {
    ServiceConfig config;
    WithService(machine, serviceName, svc::kQueryConfig, [&](svc::ScHandle service) {
        std::uint8_t probe[1] = {0};
        std::uint32_t needed = 0;
        if (!svc::QueryConfig(service, probe, 0, &needed) && needed == 0) return;
        if (const long code = svc::LastError(); code != platform::kErrorInsufficientBuffer) {
            ShowCode("LastDLLError = ", code);
            return;
        }
        ServiceBuffer buffer(std::size_t{needed} + 1);
        const std::uint32_t size = needed;
        needed = 0;
        if (!svc::QueryConfig(service, buffer.data(), size, &needed)) {
            ShowCode("QueryServicConfig failed. LastDllError = ", svc::LastError());
            return;
        }
        const svc::RecordLayout& layout = svc::Layout();
        config.ServiceType = Signed(buffer.Number(layout.configServiceType));
        config.StartType = Signed(buffer.Number(layout.configStartType));
        config.ErrorControl = Signed(buffer.Number(layout.configErrorControl));
        config.BinaryPathName = buffer.Text(layout.configBinaryPath);
        config.LoadOrderGroup = buffer.Text(layout.configLoadOrderGroup);
        config.TagId = Signed(buffer.Number(layout.configTagId));
        config.Dependencies = buffer.Text(layout.configDependencies);
        config.ServiceStartName = buffer.Text(layout.configStartName);
    });
    return config;
}

bool EnumDependentServices(const std::string& machine, const std::string& serviceName) {
    bool rebuilt = false;
    WithService(machine, serviceName, svc::kEnumerateDependents, [&](svc::ScHandle service) {
        std::uint32_t needed = 0, returned = 0;
        if (svc::EnumDependents(service, svc::kStateAll, nullptr, 0, &needed, &returned) && needed == 0) return;
        if (const long code = svc::LastError(); code != platform::kErrorMoreData) {
            ShowCode("LastDLLError = ", code);
            return;
        }
        const std::uint32_t recordSize = svc::Layout().enumRecordSize;
        ServiceBuffer buffer(std::size_t{RecordCount(needed, recordSize)} * recordSize);
        needed = returned = 0;
        if (!svc::EnumDependents(service, svc::kStateAll, buffer.data(), buffer.size(), &needed, &returned)) {
            ShowCode("EnumDependentServices failed. LastDllError = ", svc::LastError());
            return;
        }
        ServiceCollection dependents;
        for (const ListedService& listed : ReadRecords(buffer, returned)) dependents.Add(NewRecord(listed));
        // A run that finds none keeps the dependents found before.
        if (dependents.Count() == 0) return;
        colDependents = std::move(dependents);
        rebuilt = true;
    });
    return rebuilt;
}

svc::ServiceStatus GetServiceStatus(const std::string& machine, const std::string& serviceName) {
    svc::ServiceStatus status;
    WithService(machine, serviceName, svc::kServiceAllAccess, [&](svc::ScHandle service) {
        if (!svc::QueryStatus(service, &status)) status = svc::ServiceStatus{};
    });
    return status;
}

long StartServiceByName(const std::string& machine, const std::string& serviceName) {
    platform::DoEvents();
    return SendRequest(machine, serviceName, [](svc::ScHandle service) { return svc::Start(service); });
}

long StopServiceByName(const std::string& machine, const std::string& serviceName) {
    platform::DoEvents();
    return SendControl(machine, serviceName, svc::kControlStop);
}

long PauseServiceByName(const std::string& machine, const std::string& serviceName) {
    return SendControl(machine, serviceName, svc::kControlPause);
}

long ContinueServiceByName(const std::string& machine, const std::string& serviceName) {
    return SendControl(machine, serviceName, svc::kControlContinue);
}

std::string ApiErrorText(long code, const std::string& procedure, const std::string& function) {
    static const std::map<long, std::string> texts = {
        {platform::kErrorAccessDenied, "Access denied."},
        {platform::kErrorInvalidHandle, "Invalid handle was passed to the function."},
        {platform::kErrorInvalidParameter, "An invalid parameter was passed."},
        {platform::kErrorDatabaseDoesNotExist, "SCM Database does not exist."},
    };
    auto known = texts.find(code);
    const std::string text =
        known != texts.end() ? known->second : "An untrapped error occurred (" + std::to_string(code) + ").";
    return text + "\r\nCalling Procedure:  " + procedure + "\r\nAPI Function:  " + function;
}

std::string StringFromAnsiPtr(const ServiceBuffer& buffer, std::uint64_t address) {
    const auto& bytes = buffer.bytes();
    if (address < buffer.base() || address - buffer.base() >= bytes.size()) return std::string();
    const auto start = bytes.begin() + static_cast<std::ptrdiff_t>(address - buffer.base());
    return TrimAtNul(std::string(start, std::find(start, bytes.end(), std::uint8_t{0})));
}

std::string TrimAtNul(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace modServiceCode
}  // namespace nightjar
