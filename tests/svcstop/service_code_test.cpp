// The service-control layer against the simulated manager: the listing with
// its buffer sizes and boxes, configuration, dependents, status and requests.
#include <vector>

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "svcstop/service_buffer.h"
#include "tests/svcstop/service_test.h"

namespace {

using namespace nightjar;
namespace svc = platform::svc;
using modServiceCode::EnumerateServices;

class ServiceCodeTest : public ServiceTest {
protected:
    void StageMessenger() {
        auto& messenger = scm().add("Messenger", "Messenger");
        messenger.status = {svc::kShareProcess, svc::kRunning, 5, 0, 0, 0, 0};
        messenger.startType = svc::kAutoStart;
        messenger.errorControl = 1;
        messenger.tagId = 0;
        messenger.binaryPath = "C:\\WINDOWS\\System32\\svchost.exe -k netsvcs";
        messenger.dependencies = {"LanmanWorkstation", "NetBIOS"};
        messenger.startName = "LocalSystem";
        auto& alerter = scm().add("Alerter", "Alerter");
        alerter.status = {svc::kShareProcess, svc::kStopped, 0, 1077, 0, 0, 0};
        alerter.startType = svc::kDisabled;
        alerter.loadOrderGroup = "Group A";
        alerter.tagId = 7;
    }
    const sim::MessageBoxRecord& OnlyBox() {
        EXPECT_EQ(p().messageBoxes.size(), 1u);
        return p().messageBoxes.back();
    }
};

TEST_F(ServiceCodeTest, ListingFillsEveryRecordInTheManagersOrder) {
    StageMessenger();
    ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));

    ASSERT_EQ(colServices.Count(), 2u);
    EXPECT_EQ((*colServices.begin())->ServiceName, "Messenger");
    CServices* messenger = colServices.Item("MESSENGER");
    ASSERT_NE(messenger, nullptr);
    EXPECT_EQ(messenger->DisplayName, "Messenger");
    EXPECT_EQ(messenger->ServiceType, 0x20);
    EXPECT_EQ(messenger->CurrentStatus, svc::kRunning);
    EXPECT_EQ(messenger->ControlsAccepted, 5);
    EXPECT_EQ(messenger->StartType, svc::kAutoStart);
    EXPECT_EQ(messenger->ErrorControl, 1);
    EXPECT_EQ(messenger->PathName, "C:\\WINDOWS\\System32\\svchost.exe -k netsvcs");
    EXPECT_EQ(messenger->Dependencies, "LanmanWorkstation") << "only the first name of the list";
    EXPECT_EQ(messenger->StartName, "LocalSystem");
    CServices* alerter = colServices.Item("alerter");
    ASSERT_NE(alerter, nullptr);
    EXPECT_EQ(alerter->Win32ExitCode, 1077);
    EXPECT_EQ(alerter->StartType, svc::kDisabled);
    EXPECT_EQ(alerter->LoadOrderGroup, "Group A");
    EXPECT_EQ(alerter->TagID, 7);
    EXPECT_EQ(alerter->Dependencies, "");
    EXPECT_TRUE(p().messageBoxes.empty());

    // The listing's manager: no database name, enumerate access only.
    ASSERT_FALSE(scm().opens.empty());
    EXPECT_TRUE(scm().opens[0].manager);
    EXPECT_EQ(scm().opens[0].database, "");
    EXPECT_EQ(scm().opens[0].access, 4u);
    // Each configuration: the active database with full access, the service for its configuration.
    EXPECT_EQ(scm().opens[1].database, "ServicesActive");
    EXPECT_EQ(scm().opens[1].access, 0xF003Fu);
    EXPECT_EQ(scm().opens[2].service, "Messenger");
    EXPECT_EQ(scm().opens[2].access, 1u);
}

// The records of a 64-bit process are larger and their text addresses wider
// and above 4 GB: the listing and the configuration read the same in both.
TEST_F(ServiceCodeTest, ListingAndConfigurationReadAlikeInA32And64BitProcess) {
    StageMessenger();
    for (bool records64 : {false, true}) {
        SCOPED_TRACE(records64 ? "64-bit records" : "32-bit records");
        scm().records64 = records64;
        EXPECT_EQ(svc::Layout().addressSize, records64 ? 8u : 4u);
        ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
        ASSERT_EQ(colServices.Count(), 2u);
        const CServices* messenger = colServices.Item("Messenger");
        const CServices* alerter = colServices.Item("Alerter");
        ASSERT_TRUE(messenger && alerter);
        EXPECT_EQ(messenger->DisplayName + "|" + messenger->PathName + "|" + messenger->Dependencies + "|" +
                      messenger->StartName,
                  "Messenger|C:\\WINDOWS\\System32\\svchost.exe -k netsvcs|LanmanWorkstation|LocalSystem");
        EXPECT_EQ(messenger->CurrentStatus, svc::kRunning);
        EXPECT_EQ(messenger->ControlsAccepted, 5);
        EXPECT_EQ(alerter->LoadOrderGroup, "Group A");
        EXPECT_EQ(alerter->Win32ExitCode, 1077);
        EXPECT_EQ(alerter->TagID, 7);
        EXPECT_EQ(scm().listingSizes.back() % svc::Layout().enumRecordSize, 0u);

        // A text address cut to 32 bits points outside a buffer above 4 GB.
        ServiceBuffer buffer(8);
        buffer.data()[0] = 'x';
        EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, buffer.base()), "x");
        EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, buffer.base() & 0xFFFFFFFFu), records64 ? "" : "x");
    }
}

TEST_F(ServiceCodeTest, ListingFiltersByStateAndType) {
    StageMessenger();
    scm().add("Driver", "A driver").status.serviceType = 1;
    ASSERT_TRUE(EnumerateServices("", svc::kStateActive, svc::kWin32));
    ASSERT_EQ(colServices.Count(), 1u);
    EXPECT_NE(colServices.Item("MESSENGER"), nullptr);
}

TEST_F(ServiceCodeTest, NoServicesOfTheTypeEmptiesTheListAndSucceeds) {
    StageMessenger();
    ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    scm().services.clear();
    // The size query of an empty listing succeeds and leaves the last error
    // where the failed open of a missing service put it.
    modServiceCode::GetServiceStatus("", "Missing");
    ASSERT_EQ(svc::LastError(), platform::kErrorServiceDoesNotExist);
    EXPECT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    EXPECT_EQ(colServices.Count(), 0u);
    EXPECT_TRUE(p().messageBoxes.empty()) << p().messageBoxes.front().text;
}

// bytes needed -> the buffer of the second call: n = needed / 36 + 1, halves to even.
struct Sizing {
    std::size_t textBytes;  // the two names with their zero bytes
    std::uint32_t needed;
    std::uint32_t buffer;
};

class ListingBuffer : public ServiceCodeTest, public ::testing::WithParamInterface<Sizing> {};

TEST_P(ListingBuffer, HoldsTheRoundedRecordCount) {
    const Sizing sizing = GetParam();
    const std::size_t nameLength = sizing.textBytes / 2 - 1;
    scm().add(std::string(nameLength, 'S'), std::string(sizing.textBytes - nameLength - 2, 'D'));
    ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    EXPECT_EQ(colServices.Count(), 1u);
    ASSERT_EQ(scm().listingSizes.size(), 2u);
    EXPECT_EQ(scm().listingSizes[0], 0u) << "the size query passes no buffer";
    EXPECT_EQ(scm().listingSizes[1], sizing.buffer) << "bytes needed " << sizing.needed;
}

INSTANTIATE_TEST_SUITE_P(Figures, ListingBuffer,
                         ::testing::Values(Sizing{18, 54, 72}, Sizing{36, 72, 108}, Sizing{54, 90, 144},
                                           Sizing{64, 100, 144}));

TEST(RecordCount, RoundsHalvesToEvenForBothRecordSizes) {
    struct Row {
        std::uint32_t needed, recordSize, count;
    };
    const Row rows[] = {
        {54, 36, 2},  {72, 36, 3},  {90, 36, 4}, {100, 36, 4}, {0, 36, 1},       {18, 36, 2},
        {0, 48, 1},   {24, 48, 2},  {72, 48, 2}, {120, 48, 4}, {100, 48, 3},     {96, 48, 3},
        {168, 48, 4}, {216, 48, 6}, {47, 48, 2}, {23, 48, 1},  {14400, 48, 301},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RecordCount(row.needed, row.recordSize), row.count)
            << row.needed << " bytes in records of " << row.recordSize;
}

TEST_F(ServiceCodeTest, ManagerRefusedShowsBoxAAndKeepsTheList) {
    StageMessenger();
    ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    scm().managerRights = 0;
    EXPECT_FALSE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    const auto& box = OnlyBox();
    EXPECT_EQ(box.text,
              "The following error occurred (5):\r\nAccess denied.\r\nCalling Procedure:  EnumerateServices\r\n"
              "API Function:  OpenSCManager");
    EXPECT_EQ(box.title, "Error enumerating services");
    EXPECT_EQ(box.icon, platform::kMbIconError);
    EXPECT_EQ(box.buttons, platform::kMbOk);
    EXPECT_EQ(colServices.Count(), 2u) << "a failed listing leaves the last one";
}

TEST_F(ServiceCodeTest, ListingCallFailuresShowBoxBAndKeepTheList) {
    StageMessenger();
    ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    for (const std::deque<long>& failures :
         {std::deque<long>{platform::kErrorAccessDenied}, std::deque<long>{0, platform::kErrorInvalidHandle}}) {
        p().messageBoxes.clear();
        scm().failures[sim::ServiceCall::EnumServices] = failures;
        EXPECT_FALSE(EnumerateServices("", svc::kStateAll, svc::kWin32));
        const auto& box = OnlyBox();
        EXPECT_EQ(box.text, "The following error occurred (" + std::to_string(failures.back()) + ")");
        EXPECT_EQ(box.title, "Error enumerating services");
        EXPECT_EQ(box.icon, platform::kMbIconError);
        EXPECT_EQ(colServices.Count(), 2u);
    }
}

TEST_F(ServiceCodeTest, ServiceWhoseConfigurationCannotBeReadIsListedWithoutIt) {
    StageMessenger();
    Service("Alerter").rights = svc::kQueryStatus;
    scm().managerRights = svc::kManagerEnumerate | 0x20000;  // a limited user: no full manager access
    ASSERT_TRUE(EnumerateServices("", svc::kStateAll, svc::kWin32));
    CServices* messenger = colServices.Item("MESSENGER");
    ASSERT_NE(messenger, nullptr);
    EXPECT_EQ(messenger->StartType, 0);
    EXPECT_EQ(messenger->PathName, "");
    EXPECT_EQ(messenger->CurrentStatus, svc::kRunning);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(ServiceCodeTest, ConfigurationQueryFailuresShowTheirBoxes) {
    StageMessenger();
    struct Row {
        std::deque<long> failures;
        std::string text;
    };
    const Row rows[] = {
        {{platform::kErrorAccessDenied}, "LastDLLError = 5"},
        {{0, platform::kErrorInvalidHandle}, "QueryServicConfig failed. LastDllError = 6"},
    };
    for (const Row& row : rows) {
        p().messageBoxes.clear();
        scm().failures[sim::ServiceCall::QueryConfig] = row.failures;
        const ServiceConfig config = modServiceCode::GetServiceConfig("", "Messenger");
        EXPECT_EQ(config.StartType, 0);
        EXPECT_EQ(config.BinaryPathName, "");
        const auto& box = OnlyBox();
        EXPECT_EQ(box.text, row.text);
        EXPECT_EQ(box.title, "Nightjar") << "the program's title";
        EXPECT_EQ(box.icon, 0u);
    }
}

TEST_F(ServiceCodeTest, ConfigurationOfAMissingServiceIsEmptyAndSilent) {
    const ServiceConfig config = modServiceCode::GetServiceConfig("", "NoSuchService");
    EXPECT_EQ(config.StartType, 0);
    EXPECT_EQ(config.ServiceStartName, "");
    EXPECT_TRUE(p().messageBoxes.empty());
}

class DependentsTest : public ServiceCodeTest {
protected:
    void SetUp() override {
        ServiceCodeTest::SetUp();
        scm().add("LanmanWorkstation", "Workstation").status.currentState = svc::kRunning;
        scm().add("Browser", "Computer Browser").dependencies = {"LanmanWorkstation"};
        scm().add("Netlogon", "Net Logon").dependencies = {"lanmanworkstation", "LanmanServer"};
        scm().add("Lonely", "Lonely");
    }
};

TEST_F(DependentsTest, DependentsCarryTheirNamesOnly) {
    ASSERT_TRUE(modServiceCode::EnumDependentServices("", "LanmanWorkstation"));
    ASSERT_EQ(colDependents.Count(), 2u);
    EXPECT_EQ((*colDependents.begin())->ServiceName, "Browser");
    CServices* netlogon = colDependents.Item("NETLOGON");
    ASSERT_NE(netlogon, nullptr);
    EXPECT_EQ(netlogon->DisplayName, "Net Logon");
    EXPECT_EQ(netlogon->CurrentStatus, 0);
    EXPECT_EQ(scm().opens[1].access, 8u);
}

TEST_F(DependentsTest, ARunThatFindsNoneKeepsThePreviousDependents) {
    ASSERT_TRUE(modServiceCode::EnumDependentServices("", "LanmanWorkstation"));
    EXPECT_FALSE(modServiceCode::EnumDependentServices("", "Lonely"));
    EXPECT_FALSE(modServiceCode::EnumDependentServices("", "Missing"));
    // Wine's listing succeeds and writes no size at all: no dependents either.
    scm().dependentsStub = true;
    EXPECT_FALSE(modServiceCode::EnumDependentServices("", "LanmanWorkstation"));
    EXPECT_EQ(colDependents.Count(), 2u);
    // The dependents go between the size query and the second call, which
    // then finds none.
    scm().dependentsStub = false;
    scm().afterSizeQuery = [this] {
        Service("Browser").dependencies.clear();
        Service("Netlogon").dependencies.clear();
    };
    EXPECT_FALSE(modServiceCode::EnumDependentServices("", "LanmanWorkstation"));
    EXPECT_FALSE(scm().afterSizeQuery) << "the change was made";
    EXPECT_EQ(colDependents.Count(), 2u);
    EXPECT_NE(colDependents.Item("NETLOGON"), nullptr);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(DependentsTest, ListingFailuresShowTheirBoxesAndKeepThePreviousDependents) {
    ASSERT_TRUE(modServiceCode::EnumDependentServices("", "LanmanWorkstation"));
    struct Row {
        std::deque<long> failures;
        std::string text;
    };
    const Row rows[] = {
        {{platform::kErrorAccessDenied}, "LastDLLError = 5"},
        {{0, platform::kErrorInvalidParameter}, "EnumDependentServices failed. LastDllError = 87"},
    };
    for (const Row& row : rows) {
        p().messageBoxes.clear();
        scm().failures[sim::ServiceCall::EnumDependents] = row.failures;
        EXPECT_FALSE(modServiceCode::EnumDependentServices("", "LanmanWorkstation"));
        const auto& box = OnlyBox();
        EXPECT_EQ(box.text, row.text);
        EXPECT_EQ(box.title, "Nightjar");
        EXPECT_EQ(colDependents.Count(), 2u);
    }
}

TEST_F(ServiceCodeTest, StatusOfAServiceThatCannotBeOpenedIsAllZero) {
    StageMessenger();
    Service("Messenger").rights = svc::kQueryStatus;  // not all access
    for (const char* name : {"Messenger", "NoSuchService"}) {
        const svc::ServiceStatus status = modServiceCode::GetServiceStatus("", name);
        EXPECT_EQ(status.currentState, 0u) << name;
        EXPECT_EQ(status.serviceType, 0u) << name;
        EXPECT_EQ(status.controlsAccepted, 0u) << name;
    }
    EXPECT_EQ(modServiceCode::GetServiceStatus("", "Alerter").currentState, svc::kStopped);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(ServiceCodeTest, StartAndStopPumpPendingMessagesBeforeTheRequest) {
    StageMessenger();
    Service("Messenger").status.controlsAccepted = 7;
    std::vector<std::size_t> requestsSeen;
    // A window whose messages note how many requests the manager had seen.
    sim::Window watcher;
    watcher.procedures.push_back([&](const sim::Message&) -> std::intptr_t {
        requestsSeen.push_back(scm().requests.size());
        return 0;
    });
    const platform::Handle window = sim::CreateWindowRecord(std::move(watcher));
    const auto queueMessage = [&] { sim::Post(sim::Message{window, platform::msg::kCommand, 0, 0}); };
    queueMessage();
    modServiceCode::StopServiceByName("", "Messenger");
    queueMessage();
    modServiceCode::StartServiceByName("", "Messenger");
    EXPECT_EQ(requestsSeen, (std::vector<std::size_t>{0, 1}));
    queueMessage();
    modServiceCode::PauseServiceByName("", "Messenger");
    modServiceCode::ContinueServiceByName("", "Messenger");
    EXPECT_EQ(p().queue.size(), 1u) << "pause and continue send at once";
    p().queue.clear();
    ASSERT_EQ(scm().requests.size(), 4u);
    EXPECT_EQ(scm().requests[2].second, sim::kRequestPause);
    EXPECT_EQ(Service("Messenger").status.currentState, svc::kRunning);
    for (const sim::ScOpen& open : scm().opens)
        if (!open.manager) {
            EXPECT_EQ(open.access, 0xF01FFu);
        }
}

TEST_F(ServiceCodeTest, RefusedRequestsLeaveTheServiceWhereItWas) {
    StageMessenger();
    auto& messenger = Service("Messenger");
    messenger.refusal = platform::kErrorServiceDisabled;
    // Each request is a command of its own, as the user gives them; each
    // answers the system's code for why it was refused: the request's own,
    // or the open's for a service it could not open.
    const auto refusal = [](long (*request)(const std::string&, const std::string&), const char* name) {
        long error = 0;
        sim::AsUser([&] { error = request("", name); });
        return error;
    };
    EXPECT_EQ(refusal(modServiceCode::StopServiceByName, "Messenger"), platform::kErrorServiceDisabled);
    EXPECT_EQ(refusal(modServiceCode::PauseServiceByName, "Messenger"), platform::kErrorServiceDisabled);
    EXPECT_EQ(refusal(modServiceCode::ContinueServiceByName, "Messenger"), platform::kErrorServiceDisabled);
    EXPECT_EQ(messenger.status.currentState, svc::kRunning);
    Service("Alerter").binaryMissing = true;
    Service("Alerter").startType = svc::kDemandStart;
    EXPECT_EQ(refusal(modServiceCode::StartServiceByName, "Alerter"), platform::kErrorFileNotFound);
    EXPECT_EQ(refusal(modServiceCode::StartServiceByName, "NoSuchService"), platform::kErrorServiceDoesNotExist);
    scm().failures[sim::ServiceCall::OpenManager] = {platform::kErrorAccessDenied};
    EXPECT_EQ(refusal(modServiceCode::StopServiceByName, "Messenger"), platform::kErrorAccessDenied);
    EXPECT_EQ(Service("Alerter").status.currentState, svc::kStopped);
    EXPECT_TRUE(scm().requests.empty());
    EXPECT_TRUE(p().messageBoxes.empty()) << "requests show nothing themselves";
    EXPECT_TRUE(scm().openHandles().empty());

    messenger.refusal = 0;
    EXPECT_EQ(refusal(modServiceCode::StopServiceByName, "Messenger"), 0) << "taken";
    EXPECT_EQ(scm().requests.size(), 1u);
}

TEST(ApiErrorText, NamesTheKnownCodesAndAnyOther) {
    const std::pair<long, std::string> rows[] = {
        {platform::kErrorAccessDenied, "Access denied."},
        {platform::kErrorInvalidHandle, "Invalid handle was passed to the function."},
        {platform::kErrorInvalidParameter, "An invalid parameter was passed."},
        {platform::kErrorDatabaseDoesNotExist, "SCM Database does not exist."},
        {platform::kErrorServiceDoesNotExist, "An untrapped error occurred (1060)."},
        {0, "An untrapped error occurred (0)."},
    };
    for (const auto& [code, text] : rows)
        EXPECT_EQ(modServiceCode::ApiErrorText(code, "Proc", "Func"),
                  text + "\r\nCalling Procedure:  Proc\r\nAPI Function:  Func");
}

TEST(StringFromAnsiPtr, ReadsInsideTheBufferOnly) {
    ServiceBuffer buffer(12);
    const char bytes[] = "ab\0cd\0efghij";
    std::copy(bytes, bytes + 12, buffer.data());
    const std::uint64_t base = buffer.base();
    EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, 0), "");
    EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, base), "ab") << "up to the first zero byte";
    EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, base + 3), "cd");
    EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, base + 6), "efghij") << "stops at the buffer's end";
    EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, base + 12), "");
    EXPECT_EQ(modServiceCode::StringFromAnsiPtr(buffer, base - 1), "");
    EXPECT_EQ(buffer.Number(10), 0u) << "a number across the end reads 0";
    EXPECT_EQ(modServiceCode::TrimAtNul(std::string("text\0more", 9)), "text");
    EXPECT_EQ(modServiceCode::TrimAtNul("text"), "text");
}

TEST_F(ServiceCodeTest, AHandleLeftOpenIsReported) {
    StageMessenger();
    const svc::ScHandle manager = svc::OpenManager("", "", svc::kManagerEnumerate);
    const svc::ScHandle service = svc::Open(manager, "Messenger", svc::kQueryStatus);
    EXPECT_EQ(scm().openHandles(), (std::vector<std::string>{"MANAGER", "Messenger"}));
    svc::Close(service);
    svc::Close(manager);
    EXPECT_TRUE(scm().openHandles().empty());
}

}  // namespace
