#pragma once
// One Windows service as the service-control layer read it: its names, its
// last known status and its configuration, with Boolean views of the status.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"

namespace nightjar {

class CServices {
public:
    std::string DisplayName;
    std::string ServiceName;
    std::int32_t ServiceType = 0;
    std::int32_t CurrentStatus = 0;
    std::int32_t ControlsAccepted = 0;
    std::int32_t Win32ExitCode = 0;
    std::int32_t ServiceSpecificExitCode = 0;
    std::int32_t CheckPoint = 0;
    std::int32_t WaitHint = 0;
    std::int32_t StartType = 0;
    std::int32_t ErrorControl = 0;
    std::string PathName;
    std::string LoadOrderGroup;
    std::int32_t TagID = 0;
    std::string Dependencies;
    std::string StartName;

    // Each view is true when every bit of its constant is set in the field.
    // The states are numbers, not bits, so the state views overlap: a paused
    // service (7) is Running, StartPending, StopPending and Stopped as well.
    bool Running() const { return AllBits(CurrentStatus, platform::svc::kRunning); }
    bool StartPending() const { return AllBits(CurrentStatus, platform::svc::kStartPending); }
    bool ContinuePending() const { return AllBits(CurrentStatus, platform::svc::kContinuePending); }
    bool Paused() const { return AllBits(CurrentStatus, platform::svc::kPaused); }
    bool PausePausing() const { return AllBits(CurrentStatus, platform::svc::kPausePending); }
    bool Stopped() const { return AllBits(CurrentStatus, platform::svc::kStopped); }
    bool StopPending() const { return AllBits(CurrentStatus, platform::svc::kStopPending); }
    bool AcceptPause() const { return AllBits(ControlsAccepted, platform::svc::kAcceptPauseContinue); }
    bool AcceptShutDown() const { return AllBits(ControlsAccepted, platform::svc::kAcceptShutdown); }
    bool AcceptStop() const { return AllBits(ControlsAccepted, platform::svc::kAcceptStop); }

private:
    static bool AllBits(std::int32_t field, std::uint32_t bits) {
        return (static_cast<std::uint32_t>(field) & bits) == bits;
    }
};

// Service records in the order they were added, keyed by the service's key
// name in upper case. The collection owns its records.
class ServiceCollection {
public:
    void Add(std::unique_ptr<CServices> record);
    void Clear() { records_.clear(); }
    std::size_t Count() const { return records_.size(); }
    // The record under the key (compared in upper case), or null.
    CServices* Item(const std::string& key) const;
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

private:
    std::vector<std::unique_ptr<CServices>> records_;
};

// The key of a service in the collections and the list: its name in upper case.
std::string ServiceKey(const std::string& serviceName);

}  // namespace nightjar
