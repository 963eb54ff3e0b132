// A small service of our own for the Wine run, whose behaviour the test
// chooses when it installs it:
//
//   wsvc.exe install NAME MODE [DEPENDENCY]   creates the service (demand start)
//   wsvc.exe install-program NAME PATH        creates a service NAME that runs another
//                                             service program, one we did not write
//   wsvc.exe delete NAME                      deletes it
//   wsvc.exe start NAME                       asks the manager to start it
//   wsvc.exe state NAME                       prints its current state (1 stopped, 4 running)
//   wsvc.exe refuse-stop NAME on|off          from now on the service accepts no stop (on)
//                                             or accepts it again (off); a running one is
//                                             asked for its status, so it says so at once
//   wsvc.exe serve NAME MODE                  the service process itself
//
// MODE says how it answers a stop and a pause:
//   quick     stops at once; pauses and continues
//   pending   stops after three stop-pending reports with moving check-points
//   stall     reports stop pending with check-point 1 and never moves on
//   exitcode  stops with the service-specific exit code 42 (Win32 code 1066)
//   nopause   accepts stop only, so a pause is refused
// Whatever its mode, a service told to refuse the stop leaves it out of the
// controls it accepts, so that the manager refuses a stop request itself.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string serviceName;
std::string mode;
SERVICE_STATUS_HANDLE statusHandle = nullptr;
SERVICE_STATUS status{};
HANDLE stopRequested = nullptr;

const DWORD kPendingHint = 1500;
const DWORD kSpecificExitCode = 42;

// The flag that refuse-stop writes, under the service's own key.
std::string ParametersKey(const std::string& name) {
    return "SYSTEM\\CurrentControlSet\\Services\\" + name + "\\Parameters";
}
const char kRefuseStop[] = "RefuseStop";

bool RefusesStop() {
    HKEY key = nullptr;
    const std::string path = ParametersKey(serviceName);
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD value = 0, type = 0, size = sizeof value;
    const bool read =
        RegQueryValueExA(key, kRefuseStop, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return read && type == REG_DWORD && value != 0;
}

void Report(DWORD state, DWORD checkPoint = 0, DWORD waitHint = 0) {
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted =
        state == SERVICE_RUNNING || state == SERVICE_PAUSED
            ? (RefusesStop() ? 0 : SERVICE_ACCEPT_STOP) | (mode == "nopause" ? 0 : SERVICE_ACCEPT_PAUSE_CONTINUE)
            : 0;
    status.dwCheckPoint = checkPoint;
    status.dwWaitHint = waitHint;
    SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI Handler(DWORD control, DWORD, void*, void*) {
    switch (control) {
        case SERVICE_CONTROL_STOP:
            SetEvent(stopRequested);
            return NO_ERROR;
        case SERVICE_CONTROL_PAUSE:
            if (mode == "nopause") return ERROR_CALL_NOT_IMPLEMENTED;
            Report(SERVICE_PAUSED);
            return NO_ERROR;
        case SERVICE_CONTROL_CONTINUE:
            Report(SERVICE_RUNNING);
            return NO_ERROR;
        case SERVICE_CONTROL_INTERROGATE:
            // The status again, with the controls the service now accepts.
            Report(status.dwCurrentState, status.dwCheckPoint, status.dwWaitHint);
            return NO_ERROR;
        default:
            return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void Stop() {
    if (mode == "pending") {
        for (DWORD checkPoint = 1; checkPoint <= 3; ++checkPoint) {
            Report(SERVICE_STOP_PENDING, checkPoint, kPendingHint);
            Sleep(700);
        }
    } else if (mode == "stall") {
        Report(SERVICE_STOP_PENDING, 1, 1000);
        // The process stays until the wineserver ends it.
        Sleep(INFINITE);
    } else if (mode == "exitcode") {
        status.dwWin32ExitCode = ERROR_SERVICE_SPECIFIC_ERROR;
        status.dwServiceSpecificExitCode = kSpecificExitCode;
    }
    Report(SERVICE_STOPPED);
}

void WINAPI ServiceMain(DWORD, char**) {
    statusHandle = RegisterServiceCtrlHandlerExA(serviceName.c_str(), Handler, nullptr);
    if (!statusHandle) return;
    stopRequested = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Report(SERVICE_START_PENDING, 1, 3000);
    Report(SERVICE_RUNNING);
    WaitForSingleObject(stopRequested, INFINITE);
    Stop();
}

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string Quoted(const std::string& path) {
    std::string quoted(1, '"');
    quoted.append(path).push_back('"');
    return quoted;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) wide[i] = static_cast<unsigned char>(text[i]);
    return wide;
}

// Made with the wide call: Wine's CreateServiceA garbles a dependency list.
int Install(const char* name, const std::string& commandLine, const char* dependency) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) {
        std::printf("OpenSCManagerW failed: %lu\n", GetLastError());
        return 1;
    }
    const std::wstring command = Wide(commandLine);
    char text[2 * MAX_PATH];
    std::snprintf(text, sizeof text, "Nightjar test service %s", name);
    const std::wstring display = Wide(text);
    // A dependency list ends with an empty name.
    std::wstring dependencies;
    if (dependency) {
        dependencies = Wide(dependency);
        dependencies.append(2, L'\0');
    }
    SC_HANDLE service =
        CreateServiceW(manager, Wide(name).c_str(), display.c_str(), SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                       SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr,
                       dependency ? dependencies.c_str() : nullptr, nullptr, nullptr);
    const DWORD error = GetLastError();
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    if (!service) {
        std::printf("CreateServiceW %s failed: %lu\n", name, error);
        return 1;
    }
    return 0;
}

int Delete(const char* name) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return 1;
    SC_HANDLE service = OpenServiceA(manager, name, DELETE);
    const BOOL deleted = service && DeleteService(service);
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return deleted ? 0 : 1;
}

// Starts the service; with "state", prints its dwCurrentState instead.
int Control(const char* name, bool start) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return 1;
    SC_HANDLE service = OpenServiceA(manager, name, SERVICE_START | SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    const BOOL done = service && (start ? StartServiceA(service, 0, nullptr) : QueryServiceStatus(service, &status));
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    if (done && !start) std::printf("%lu\n", status.dwCurrentState);
    return done ? 0 : 1;
}

// Writes the flag; a running service is asked for its status, which it
// reports with the controls it now accepts.
int RefuseStop(const char* name, bool refuse) {
    const DWORD value = refuse ? 1 : 0;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, ParametersKey(name).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return 1;
    const LONG written =
        RegSetValueExA(key, kRefuseStop, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    if (written != ERROR_SUCCESS) return 1;
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return 1;
    SC_HANDLE service = OpenServiceA(manager, name, SERVICE_INTERROGATE | SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    bool done = service && QueryServiceStatus(service, &status);
    if (done && status.dwCurrentState != SERVICE_STOPPED) {
        done = ControlService(service, SERVICE_CONTROL_INTERROGATE, &status) &&
               ((status.dwControlsAccepted & SERVICE_ACCEPT_STOP) == 0) == refuse;
        if (!done) std::printf("the service accepts %lu\n", status.dwControlsAccepted);
    }
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "install" && argc >= 4) {
        const std::string serve = Quoted(OwnPath()) + " serve " + argv[2] + " " + argv[3];
        return Install(argv[2], serve, argc > 4 ? argv[4] : nullptr);
    }
    if (command == "install-program" && argc >= 4) return Install(argv[2], Quoted(argv[3]), nullptr);
    if (command == "delete" && argc >= 3) return Delete(argv[2]);
    if (command == "refuse-stop" && argc >= 4) return RefuseStop(argv[2], std::strcmp(argv[3], "on") == 0);
    if ((command == "start" || command == "state") && argc >= 3) return Control(argv[2], command == "start");
    if (command == "serve" && argc >= 4) {
        serviceName = argv[2];
        mode = argv[3];
        SERVICE_TABLE_ENTRYA table[] = {{serviceName.data(), ServiceMain}, {nullptr, nullptr}};
        return StartServiceCtrlDispatcherA(table) ? 0 : 1;
    }
    std::printf(
        "usage: wsvc install NAME MODE [DEPENDENCY] | install-program NAME PATH | delete NAME | start NAME | "
        "state NAME | refuse-stop NAME on|off | serve NAME MODE\n");
    return 2;
}
