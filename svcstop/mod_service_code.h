#pragma once
// nightjar's one door to the Service Control Manager: the service listing
// into colServices, the dependents of one service into colDependents, the
// configuration and status of one service, and the start, stop, pause and
// continue requests. Every routine opens what it needs and closes it again
// before it returns; the empty machine name means this machine.
#include <cstdint>
#include <string>

#include "platform/services.h"
#include "svcstop/c_services.h"

namespace nightjar {

class ServiceBuffer;

// Every service of the last listing that succeeded, in the manager's order.
extern ServiceCollection colServices;
// The dependents of the service last asked about that had any.
extern ServiceCollection colDependents;

// The configuration of one service with its texts copied out.
struct ServiceConfig {
    std::int32_t ServiceType = 0;
    std::int32_t StartType = 0;
    std::int32_t ErrorControl = 0;
    std::string BinaryPathName;
    std::string LoadOrderGroup;
    std::int32_t TagId = 0;
    std::string Dependencies;  // the first name of the list only
    std::string ServiceStartName;
};

// Writes a status read from the manager into the record's status fields.
void TakeStatus(CServices& record, const platform::svc::ServiceStatus& status);

namespace modServiceCode {

// Rebuilds colServices; false, after an error box, when the listing could
// not be made (colServices then keeps the last listing).
bool EnumerateServices(const std::string& machine, std::uint32_t stateFilter, std::uint32_t typeFilter);
// All zero and empty when it cannot be read.
ServiceConfig GetServiceConfig(const std::string& machine, const std::string& serviceName);
// True when the service has dependents and colDependents was rebuilt.
bool EnumDependentServices(const std::string& machine, const std::string& serviceName);
// All zero when the service cannot be opened.
platform::svc::ServiceStatus GetServiceStatus(const std::string& machine, const std::string& serviceName);

// Send one request. 0 when the manager took it (the caller then polls the
// status to see it done); otherwise the system's error code for why the
// manager, or the service it could not open, refused it.
long StartServiceByName(const std::string& machine, const std::string& serviceName);
long StopServiceByName(const std::string& machine, const std::string& serviceName);
long PauseServiceByName(const std::string& machine, const std::string& serviceName);
long ContinueServiceByName(const std::string& machine, const std::string& serviceName);

std::string ApiErrorText(long code, const std::string& procedure, const std::string& function);
// The text at an address inside the buffer, up to its first zero byte or the
// buffer's end; empty for a zero address or one that lies outside the buffer.
std::string StringFromAnsiPtr(const ServiceBuffer& buffer, std::uint64_t address);
std::string TrimAtNul(const std::string& text);

}  // namespace modServiceCode
}  // namespace nightjar
