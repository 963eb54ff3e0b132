// The simulated manager the service tests stand on: services move along their
// scripts one poll at a time and refuse what the system refuses.
#include "tests/svcstop/service_test.h"

namespace {

namespace svc = platform::svc;
using sim::ServiceStep;

class SimServicesTest : public ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        manager_ = svc::OpenManager("", "ServicesActive", svc::kManagerAllAccess);
        auto& worker = scm().add("Worker", "Worker");
        worker.status.currentState = svc::kRunning;
    }
    void TearDown() override {
        svc::Close(manager_);
        ServiceTest::TearDown();
    }
    // Sends a request through a handle of its own; the code it fails with, or 0.
    long Request(const std::string& name, std::uint32_t control) {
        const svc::ScHandle service = svc::Open(manager_, name, svc::kServiceAllAccess);
        if (!service) return svc::LastError();
        svc::ServiceStatus status;
        const int ok = control ? svc::Control(service, control, &status) : svc::Start(service);
        const long error = ok ? 0 : svc::LastError();
        svc::Close(service);
        return error;
    }
    svc::ServiceStatus Poll(const std::string& name) {
        const svc::ScHandle service = svc::Open(manager_, name, svc::kQueryStatus);
        svc::ServiceStatus status;
        svc::QueryStatus(service, &status);
        svc::Close(service);
        return status;
    }

    svc::ScHandle manager_ = 0;
};

TEST_F(SimServicesTest, AStopMovesOneStepPerPollAndHoldsTheLast) {
    Service("Worker").scripts[sim::kRequestStop] = {
        ServiceStep{svc::kStopPending, 1, 5000}, ServiceStep{svc::kStopPending, 2, 5000},
        ServiceStep{svc::kStopped, 0, 0, platform::kErrorServiceSpecificError, 5}};
    ASSERT_EQ(Request("Worker", svc::kControlStop), 0);
    const std::uint32_t expected[][3] = {{3, 1, 5000}, {3, 2, 5000}, {1, 0, 0}, {1, 0, 0}};
    for (const auto& row : expected) {
        const svc::ServiceStatus status = Poll("Worker");
        EXPECT_EQ(status.currentState, row[0]);
        EXPECT_EQ(status.checkPoint, row[1]);
        EXPECT_EQ(status.waitHint, row[2]);
    }
    EXPECT_EQ(Poll("Worker").win32ExitCode, 1066u);
    EXPECT_EQ(Poll("Worker").serviceSpecificExitCode, 5u);
}

TEST_F(SimServicesTest, AStoppedOrStartingServiceAcceptsNoControls) {
    Service("Worker").status.controlsAccepted = svc::kAcceptStop;
    Service("Worker").scripts[sim::kRequestStart] = {ServiceStep{svc::kStartPending, 1, 1000},
                                                     ServiceStep{svc::kRunning}};
    EXPECT_EQ(Poll("Worker").controlsAccepted, svc::kAcceptStop);
    ASSERT_EQ(Request("Worker", svc::kControlStop), 0);
    EXPECT_EQ(Poll("Worker").controlsAccepted, 0u) << "stopped";
    ASSERT_EQ(Request("Worker", 0), 0);
    EXPECT_EQ(Poll("Worker").controlsAccepted, 0u) << "start pending";
    EXPECT_EQ(Poll("Worker").controlsAccepted, svc::kAcceptStop) << "running";
}

TEST_F(SimServicesTest, RequestsTheSystemRefuses) {
    auto& idle = scm().add("Idle", "Idle");
    auto& off = scm().add("Off", "Off");
    off.startType = svc::kDisabled;
    auto& gone = scm().add("Gone", "Gone");
    gone.binaryMissing = true;
    scm().add("Child", "Child").dependencies = {"worker"};
    Service("Child").status.currentState = svc::kRunning;
    auto& locked = scm().add("Locked", "Locked");
    locked.rights = svc::kQueryStatus;
    scm().add("Stopping", "Stopping").status.currentState = svc::kStopPending;
    scm().add("Starting", "Starting").status.currentState = svc::kStartPending;
    auto& noStop = scm().add("NoStop", "NoStop");
    noStop.status = {svc::kOwnProcess, svc::kRunning, svc::kAcceptPauseContinue};
    struct Row {
        const char* service;
        std::uint32_t control;  // 0: start
        long error;
    };
    const Row rows[] = {
        {"Off", 0, platform::kErrorServiceDisabled},
        {"Gone", 0, platform::kErrorFileNotFound},
        {"Worker", 0, platform::kErrorServiceAlreadyRunning},
        {"Idle", svc::kControlStop, platform::kErrorServiceNotActive},
        {"Worker", svc::kControlStop, platform::kErrorDependentServicesRunning},
        {"Worker", svc::kControlContinue, platform::kErrorInvalidServiceControl},
        {"Locked", svc::kControlStop, platform::kErrorAccessDenied},
        {"Nobody", svc::kControlStop, platform::kErrorServiceDoesNotExist},
        // A service that is stopping takes no control; one that is starting
        // takes only a stop, and then only one it accepts.
        {"Stopping", svc::kControlStop, platform::kErrorServiceCannotAcceptCtrl},
        {"Stopping", svc::kControlPause, platform::kErrorServiceCannotAcceptCtrl},
        {"Starting", svc::kControlPause, platform::kErrorServiceCannotAcceptCtrl},
        {"Starting", svc::kControlStop, platform::kErrorInvalidServiceControl},
        {"NoStop", svc::kControlStop, platform::kErrorInvalidServiceControl},
    };
    for (const Row& row : rows) EXPECT_EQ(Request(row.service, row.control), row.error) << row.service;
    EXPECT_TRUE(scm().requests.empty());
    EXPECT_EQ(idle.status.currentState, svc::kStopped);
    EXPECT_EQ(Service("Worker").status.currentState, svc::kRunning);
    // The manager knows the failed database but opens only the active one.
    for (const auto& [database, error] :
         {std::pair<const char*, long>{"ServicesFailed", platform::kErrorDatabaseDoesNotExist},
          {"NoSuchDatabase", platform::kErrorInvalidName}}) {
        EXPECT_EQ(svc::OpenManager("", database, svc::kManagerEnumerate), 0u) << database;
        EXPECT_EQ(svc::LastError(), error) << database;
    }
}

TEST_F(SimServicesTest, HandlesNeedTheRightForEachCall) {
    const svc::ScHandle service = svc::Open(manager_, "Worker", svc::kQueryConfig);
    svc::ServiceStatus status;
    EXPECT_EQ(svc::QueryStatus(service, &status), 0);
    EXPECT_EQ(svc::LastError(), platform::kErrorAccessDenied);
    EXPECT_EQ(svc::Start(service), 0);
    EXPECT_EQ(svc::LastError(), platform::kErrorAccessDenied);
    svc::Close(service);
    EXPECT_EQ(svc::Close(service), 0) << "a handle closes once";
    EXPECT_EQ(svc::LastError(), platform::kErrorInvalidHandle);
}

TEST_F(SimServicesTest, ListingWithTooSmallABufferGivesWhatFitsAndTheRestsSize) {
    scm().add("Second", "Second");
    std::uint8_t buffer[60] = {};
    std::uint32_t needed = 77, returned = 77, resume = 0;
    EXPECT_EQ(
        svc::EnumServices(manager_, svc::kWin32, svc::kStateAll, buffer, sizeof buffer, &needed, &returned, &resume),
        0);
    EXPECT_EQ(svc::LastError(), platform::kErrorMoreData);
    EXPECT_EQ(returned, 1u);
    EXPECT_EQ(needed, 36u + 7 + 7);
    EXPECT_EQ(resume, 1u);
}

}  // namespace
