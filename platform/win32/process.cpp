// Starting another program with CreateProcessA.
#include "platform/process.h"

#include <windows.h>

#include <vector>

namespace platform::process {

long StartHidden(const std::string& program, const std::string& commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started;
    ZeroMemory(&started, sizeof started);
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return static_cast<long>(GetLastError());
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}

}  // namespace platform::process
