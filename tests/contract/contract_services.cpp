// The contract rows of the Service Control Manager: opening it and a service,
// their configuration and status, the listing into a buffer too small and
// then into one of the size it asked for, a start and a stop, and the codes
// of a missing service and of a handle without the right. Every call is made
// with a marker in the last error, so that a success which changes it shows,
// and every buffer a call fills is pre-filled with '#' beyond what it is told,
// so that a write past the size shows.
//
// The rows work on a service of their own (our test service, wsvc.exe, beside
// this program, under its own name), which they install unless it is there
// and delete at the end. Wine's manager starts a service made in a fresh
// prefix only once the wineserver has restarted, so the Wine run installs it
// before.
#include "tests/contract/contract_services.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/services.h"
#include "tests/contract/contract_check.h"
#include "tests/contract/contract_stage.h"

namespace contract {

namespace {

namespace svc = platform::svc;

const std::string kName = "QmContract";
// As wsvc.exe names the services it installs.
const std::string kDisplayName = "Nightjar test service " + kName;
constexpr std::uint32_t kMarker = 0x2323;         // never a code of the service calls
constexpr std::uint32_t kUnwritten = 0x23232323;  // '#' in each byte, as the buffers
constexpr std::uint32_t kGuard = 16;              // bytes of '#' past the size a call is told

std::string Command() { return "\"" + platform::files::ProgramFolder() + "\\wsvc.exe\" serve " + kName + " quick"; }

// The last error of the call just made, with the marker set before it.
std::uint32_t Error() { return static_cast<std::uint32_t>(svc::LastError()); }
void Mark() { MarkLastError(kMarker); }

// A buffer of `size` bytes the calls are told of, with the guard behind it.
struct Buffer {
    explicit Buffer(std::uint32_t told) : bytes(told + kGuard, '#'), size(told) {}
    void* data() { return bytes.data(); }
    bool guardKept() const { return bytes.find_first_not_of('#', size) == std::string::npos; }
    std::uint32_t Number(std::size_t at) const {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, 4);
        return value;
    }
    // The text whose address is at `at`; "<outside>" when it points out of the told size.
    std::string Text(std::size_t at) const {
        std::uint64_t address = 0;
        std::memcpy(&address, bytes.data() + at, svc::Layout().addressSize);
        const std::uint64_t base = svc::BufferAddress(bytes.data());
        if (address < base || address - base >= size) return "<outside>";
        const std::size_t start = static_cast<std::size_t>(address - base);
        const std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos || end >= size) return "<unended>";
        return bytes.substr(start, end - start);
    }
    std::string bytes;
    std::uint32_t size;
};

struct Listed {
    std::string name, displayName;
    std::uint32_t state;
};

std::vector<Listed> Records(const Buffer& buffer, std::uint32_t returned) {
    const svc::RecordLayout& layout = svc::Layout();
    std::vector<Listed> listed;
    for (std::uint32_t i = 0; i < returned && (i + 1) * layout.enumRecordSize <= buffer.size; ++i) {
        const std::size_t at = std::size_t{i} * layout.enumRecordSize;
        listed.push_back({buffer.Text(at + layout.enumServiceName), buffer.Text(at + layout.enumDisplayName),
                          buffer.Number(at + layout.enumStatusOffset + 4)});
    }
    return listed;
}

bool AllInside(const std::vector<Listed>& listed) {
    const auto told = [](const std::string& text) { return text.rfind('<', 0) != 0; };
    return std::all_of(listed.begin(), listed.end(),
                       [&](const Listed& l) { return told(l.name) && told(l.displayName); });
}

const Listed* Find(const std::vector<Listed>& listed, const std::string& name) {
    for (const Listed& l : listed)
        if (l.name == name) return &l;
    return nullptr;
}

// The state the service reaches within ten seconds of polls, or the last one seen.
std::uint32_t AwaitState(svc::ScHandle service, std::uint32_t wanted) {
    svc::ServiceStatus status;
    for (int poll = 0; poll < 100; ++poll) {
        if (!svc::QueryStatus(service, &status)) return 0;
        if (status.currentState == wanted) break;
        Pause(100);
    }
    return status.currentState;
}

void ManagerRows() {
    Section("services: the manager");
    Mark();
    svc::ScHandle manager = svc::OpenManager("", "", svc::kManagerAllAccess);
    Row("OpenManager", manager != 0, true);
    // Windows XP leaves the last error as it was; Wine clears it.
    RowOrWine("OpenManager: the last error", Error(), kMarker, std::uint32_t{0});
    Mark();
    Row("Close of the manager", svc::Close(manager), 1);
    Row("Close of the manager: the last error", Error(), kMarker);

    const struct {
        const char* database;
        bool opens;
        std::uint32_t error;
    } databases[] = {
        {"ServicesActive", true, kMarker},
        {"ServicesFailed", false, platform::kErrorDatabaseDoesNotExist},
        {"Elsewhere", false, platform::kErrorInvalidName},
    };
    for (const auto& c : databases) {
        const std::string row = std::string("OpenManager of the database ") + c.database;
        Mark();
        manager = svc::OpenManager("", c.database, svc::kManagerConnect);
        const std::uint32_t error = Error();
        Row(row, manager != 0, c.opens);
        RowOrWine(row + ": the last error", error, c.error, c.opens ? 0 : c.error);
        if (manager) svc::Close(manager);
    }
    // Windows takes the name in any letter case; Wine only as it is written.
    Mark();
    manager = svc::OpenManager("", "servicesactive", svc::kManagerConnect);
    const std::uint32_t error = Error();
    RowOrWine("OpenManager of the database servicesactive", manager != 0, true, false);
    RowOrWine("OpenManager of the database servicesactive: the last error", error, kMarker,
              std::uint32_t{platform::kErrorInvalidName});
    if (manager) svc::Close(manager);
}

void OpenRows(svc::ScHandle manager) {
    Section("services: opening one");
    const struct {
        const char* row;
        std::string name;
        bool opens;
        std::uint32_t error;
    } opens[] = {
        {"a missing service", "QmNoSuchService", false, platform::kErrorServiceDoesNotExist},
        {"its display name", kDisplayName, false, platform::kErrorServiceDoesNotExist},
        {"the service", kName, true, kMarker},
        {"the service in another letter case", "qmCONTRACT", true, kMarker},
    };
    for (const auto& c : opens) {
        const std::string row = std::string("Open of ") + c.row;
        Mark();
        const svc::ScHandle service = svc::Open(manager, c.name, svc::kQueryStatus);
        Row(row, service != 0, c.opens);
        Row(row + ": the last error", Error(), c.error);
        if (service) svc::Close(service);
    }
}

void ConfigRows(svc::ScHandle manager) {
    Section("services: the configuration");
    const svc::RecordLayout& layout = svc::Layout();
    svc::ScHandle service = svc::Open(manager, kName, svc::kQueryStatus);
    std::uint32_t needed = kUnwritten;
    Buffer probe(0);
    Mark();
    Row("QueryConfig through a handle without the right", svc::QueryConfig(service, probe.data(), 0, &needed), 0);
    Row("QueryConfig through a handle without the right: the last error", Error(),
        std::uint32_t{platform::kErrorAccessDenied});
    svc::Close(service);

    service = svc::Open(manager, kName, svc::kQueryConfig);
    // The record and its texts in their ANSI forms, each with its NUL; no
    // dependencies are an empty list, a NUL of its own. Wine asks for the
    // room of the wide texts, two bytes a character.
    const std::uint32_t texts = static_cast<std::uint32_t>(Command().size() + 1 + 1 + 1 + 12 + kDisplayName.size() + 1);
    const std::uint32_t size = layout.configSize + texts;
    const std::uint32_t wideSize = layout.configSize + 2 * texts;
    needed = kUnwritten;
    Mark();
    Row("QueryConfig into no buffer", svc::QueryConfig(service, probe.data(), 0, &needed), 0);
    Row("QueryConfig into no buffer: the last error", Error(), std::uint32_t{platform::kErrorInsufficientBuffer});
    RowOrWine("QueryConfig into no buffer: the size needed", needed, size, wideSize);
    Row("QueryConfig into no buffer: nothing written", probe.guardKept(), true);

    Buffer tight(size - 1);
    needed = kUnwritten;
    Mark();
    Row("QueryConfig into one byte less", svc::QueryConfig(service, tight.data(), tight.size, &needed), 0);
    Row("QueryConfig into one byte less: the last error", Error(), std::uint32_t{platform::kErrorInsufficientBuffer});
    RowOrWine("QueryConfig into one byte less: the size needed", needed, size, wideSize);
    Row("QueryConfig into one byte less: nothing past it", tight.guardKept(), true);

    Buffer exact(size);
    needed = kUnwritten;
    Mark();
    Row("QueryConfig into the size needed", svc::QueryConfig(service, exact.data(), exact.size, &needed), 1);
    Row("QueryConfig into the size needed: the last error", Error(), kMarker);
    Row("QueryConfig into the size needed: nothing past it", exact.guardKept(), true);
    Row("... type", exact.Number(layout.configServiceType), svc::kOwnProcess);
    Row("... start type", exact.Number(layout.configStartType), std::uint32_t{3});
    Row("... error control", exact.Number(layout.configErrorControl), std::uint32_t{1});
    Row("... binary path", exact.Text(layout.configBinaryPath), Command());
    Row("... load order group", exact.Text(layout.configLoadOrderGroup), std::string());
    Row("... dependencies", exact.Text(layout.configDependencies), std::string());
    Row("... start name", exact.Text(layout.configStartName), std::string("LocalSystem"));
    Row("... display name", exact.Text(layout.configDisplayName), kDisplayName);
    svc::Close(service);
}

void ListingRows() {
    Section("services: the listing");
    std::uint32_t needed = kUnwritten, returned = kUnwritten;
    const svc::ScHandle connected = svc::OpenManager("", "", svc::kManagerConnect);
    Mark();
    Row("EnumServices through a handle without the right",
        svc::EnumServices(connected, svc::kWin32, svc::kStateAll, nullptr, 0, &needed, &returned, nullptr), 0);
    Row("... the last error", Error(), std::uint32_t{platform::kErrorAccessDenied});
    Row("... size and count", std::to_string(needed) + " " + std::to_string(returned), std::string("0 0"));
    svc::Close(connected);

    const svc::ScHandle manager = svc::OpenManager("", "", svc::kManagerEnumerate);
    needed = returned = kUnwritten;
    Mark();
    Row("EnumServices into no buffer",
        svc::EnumServices(manager, svc::kWin32, svc::kStateAll, nullptr, 0, &needed, &returned, nullptr), 0);
    Row("EnumServices into no buffer: the last error", Error(), std::uint32_t{platform::kErrorMoreData});
    Row("EnumServices into no buffer: no services", returned, std::uint32_t{0});
    const std::uint32_t size = needed;
    Row("EnumServices into no buffer: the size needed holds two records at least",
        size != kUnwritten && size >= 2 * svc::Layout().enumRecordSize, true);

    // Room for one record and a little: the texts of a second never fit.
    const std::uint32_t recordSize = svc::Layout().enumRecordSize;
    Buffer small(recordSize + 8);
    needed = returned = kUnwritten;
    Mark();
    Row("EnumServices into a small buffer",
        svc::EnumServices(manager, svc::kWin32, svc::kStateAll, small.data(), small.size, &needed, &returned, nullptr),
        0);
    Row("EnumServices into a small buffer: the last error", Error(), std::uint32_t{platform::kErrorMoreData});
    Row("EnumServices into a small buffer: at most one service", returned <= 1, true);
    // Wine counts the records its wide listing held, but writes none of them.
    RowOrWine("EnumServices into a small buffer: the texts of its records inside the buffer",
              AllInside(Records(small, returned)), true, false);
    Row("EnumServices into a small buffer: nothing past it", small.guardKept(), true);
    Row("EnumServices into a small buffer: a size for the rest", needed > 0 && needed != kUnwritten, true);

    Buffer large(size);
    needed = returned = kUnwritten;
    Mark();
    Row("EnumServices into the size needed",
        svc::EnumServices(manager, svc::kWin32, svc::kStateAll, large.data(), large.size, &needed, &returned, nullptr),
        1);
    // Wine leaves the code of the size query it makes of its own.
    RowOrWine("EnumServices into the size needed: the last error", Error(), kMarker,
              std::uint32_t{platform::kErrorMoreData});
    Row("EnumServices into the size needed: no size needed", needed, std::uint32_t{0});
    Row("EnumServices into the size needed: nothing past it", large.guardKept(), true);
    const std::uint32_t total = returned;
    const std::vector<Listed> listed = Records(large, returned);
    Row("EnumServices into the size needed: every text inside the buffer", total > 1 && AllInside(listed), true);
    const Listed* own = Find(listed, kName);
    Row("EnumServices into the size needed: the service among them", own != nullptr, true);
    if (own) {
        Row("... its display name", own->displayName, kDisplayName);
        Row("... its state", own->state, std::uint32_t{svc::kStopped});
    }

    // Half the size, then the rest from where the resume handle says.
    Buffer half(size / 2);
    std::uint32_t resume = 0;
    needed = returned = kUnwritten;
    Mark();
    Row("EnumServices into half the size with a resume handle",
        svc::EnumServices(manager, svc::kWin32, svc::kStateAll, half.data(), half.size, &needed, &returned, &resume),
        0);
    // Wine lists them all in its own wide buffer of twice the size, then
    // finds that their texts do not fit this one, and writes none.
    RowOrWine("... the last error", Error(), std::uint32_t{platform::kErrorMoreData},
              std::uint32_t{platform::kErrorInsufficientBuffer});
    RowOrWine("... some services, not all", returned > 0 && returned < total, true, false);
    Row("... nothing past it", half.guardKept(), true);
    const std::uint32_t first = returned;
    // Windows says where the listing stopped; Wine says nothing and starts again.
    RowOrWine("... the resume handle", resume, first, std::uint32_t{0});
    Buffer rest(size);
    needed = returned = kUnwritten;
    Mark();
    Row("EnumServices of the rest",
        svc::EnumServices(manager, svc::kWin32, svc::kStateAll, rest.data(), rest.size, &needed, &returned, &resume),
        1);
    RowOrWine("EnumServices of the rest: the last error", Error(), kMarker, std::uint32_t{platform::kErrorMoreData});
    Row("EnumServices of the rest: the resume handle at its end", resume, std::uint32_t{0});
    RowOrWine("EnumServices of the rest: the services of both calls", first + returned, total, first + total);

    needed = returned = kUnwritten;
    Mark();
    Row("EnumServices of the file system drivers, of which there are none, into no buffer",
        svc::EnumServices(manager, 0x02, svc::kStateAll, nullptr, 0, &needed, &returned, nullptr), 1);
    Row("... the last error", Error(), kMarker);
    Row("... size and count", std::to_string(needed) + " " + std::to_string(returned), std::string("0 0"));
    svc::Close(manager);
}

void StatusRow(const std::string& row, const svc::ServiceStatus& status, std::uint32_t state) {
    Row(row + ": type", status.serviceType, svc::kOwnProcess);
    Row(row + ": state", status.currentState, state);
    Row(row + ": controls accepted", status.controlsAccepted,
        state == svc::kRunning ? svc::kAcceptStop | svc::kAcceptPauseContinue : 0u);
    Row(row + ": check-point and wait hint", std::to_string(status.checkPoint) + " " + std::to_string(status.waitHint),
        std::string("0 0"));
}

void ControlRows(svc::ScHandle manager) {
    Section("services: status, start and stop");
    svc::ScHandle service = svc::Open(manager, kName, svc::kQueryConfig);
    svc::ServiceStatus status{kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten};
    Mark();
    Row("QueryStatus through a handle without the right", svc::QueryStatus(service, &status), 0);
    Row("... the last error", Error(), std::uint32_t{platform::kErrorAccessDenied});
    Mark();
    Row("Start through a handle without the right", svc::Start(service), 0);
    Row("... the last error", Error(), std::uint32_t{platform::kErrorAccessDenied});
    Mark();
    Row("Control to stop through a handle without the right", svc::Control(service, svc::kControlStop, &status), 0);
    Row("... the last error", Error(), std::uint32_t{platform::kErrorAccessDenied});
    svc::Close(service);

    service = svc::Open(manager, kName, svc::kQueryStatus | svc::kStart | svc::kStop);
    status = {kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten};
    Mark();
    Row("QueryStatus of the stopped service", svc::QueryStatus(service, &status), 1);
    Row("QueryStatus of the stopped service: the last error", Error(), kMarker);
    StatusRow("QueryStatus of the stopped service", status, svc::kStopped);
    Row("QueryStatus of the stopped service: exit codes, of a service never started",
        std::to_string(status.win32ExitCode) + " " + std::to_string(status.serviceSpecificExitCode),
        std::to_string(platform::kErrorServiceNeverStarted) + " 0");
    Mark();
    Row("Control to stop the stopped service", svc::Control(service, svc::kControlStop, &status), 0);
    Row("... the last error", Error(), std::uint32_t{platform::kErrorServiceNotActive});

    Mark();
    Row("Start", svc::Start(service), 1);
    Row("Start: the last error", Error(), kMarker);
    Row("Start: the service runs", AwaitState(service, svc::kRunning), std::uint32_t{svc::kRunning});
    status = {kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten};
    svc::QueryStatus(service, &status);
    StatusRow("QueryStatus of the running service", status, svc::kRunning);
    Mark();
    Row("Start of the running service", svc::Start(service), 0);
    Row("... the last error", Error(), std::uint32_t{platform::kErrorServiceAlreadyRunning});

    status = {kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten};
    Mark();
    Row("Control to stop", svc::Control(service, svc::kControlStop, &status), 1);
    Row("Control to stop: the last error", Error(), kMarker);
    // The service stops at once; the status may still say it runs.
    Row("Control to stop: the status is the service's",
        status.serviceType == svc::kOwnProcess && status.win32ExitCode == 0 &&
            (status.currentState == svc::kStopped || status.currentState == svc::kStopPending ||
             status.currentState == svc::kRunning),
        true);
    Row("Control to stop: the service stops", AwaitState(service, svc::kStopped), std::uint32_t{svc::kStopped});
    status = {kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten};
    svc::QueryStatus(service, &status);
    StatusRow("QueryStatus of the stopped service once more", status, svc::kStopped);
    Row("... its exit codes",
        std::to_string(status.win32ExitCode) + " " + std::to_string(status.serviceSpecificExitCode),
        std::string("0 0"));
    Mark();
    Row("Close of the service", svc::Close(service), 1);
    Row("Close of the service: the last error", Error(), kMarker);
}

}  // namespace

void Services() {
    if (!Row("the rows' own service is installed", InstallService(kName, kDisplayName, Command()), true)) return;
    ManagerRows();
    const svc::ScHandle manager = svc::OpenManager("", "", svc::kManagerAllAccess);
    OpenRows(manager);
    ConfigRows(manager);
    ListingRows();
    ControlRows(manager);
    svc::Close(manager);
    RemoveService(kName);
}

}  // namespace contract
