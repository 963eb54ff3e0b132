// wplanted.exe: a stranger's program for the Wine run, copied under the name
// of one the programs start (net.exe). When it runs it leaves the file
// "<its own path>.ran" holding its command line, so the run can see whether
// it was started.
#include <windows.h>

#include <string>

int main() {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    path += ".ran";
    HANDLE mark = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark == INVALID_HANDLE_VALUE) return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(mark, line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr);
    CloseHandle(mark);
    return 0;
}
