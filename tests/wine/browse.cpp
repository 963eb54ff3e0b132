// wbrowse.exe: sends one request to the shell stand-in (wshellwin.dll)
// inside the program under test and prints its answer; standin_control.cpp
// lists the requests.
//
//   wbrowse <request> [words...]
//
// The words go as one line. Waits up to kConnectMs for the program to have
// loaded the stand-in. Exit status: 0 answered, 1 an "error: " answer or no
// answer, 2 misuse.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kPipe[] = "\\\\.\\pipe\\wshellwin";
constexpr DWORD kConnectMs = 20000;
constexpr DWORD kPollMs = 50;

HANDLE Connect() {
    const DWORD start = GetTickCount();
    for (;;) {
        HANDLE pipe = CreateFileA(kPipe, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) return pipe;
        const DWORD error = GetLastError();
        if (GetTickCount() - start >= kConnectMs) {
            std::fprintf(stderr, "wbrowse: no stand-in answers (error %lu)\n", error);
            return INVALID_HANDLE_VALUE;
        }
        if (error == ERROR_PIPE_BUSY)
            WaitNamedPipeA(kPipe, kPollMs);
        else
            Sleep(kPollMs);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wbrowse <request> [words...]\n");
        return 2;
    }
    std::string line = argv[1];
    for (int i = 2; i < argc; ++i) line += std::string(" ") + argv[i];
    line += '\n';

    HANDLE pipe = Connect();
    if (pipe == INVALID_HANDLE_VALUE) return 1;
    DWORD done = 0;
    if (!WriteFile(pipe, line.data(), static_cast<DWORD>(line.size()), &done, nullptr)) {
        std::fprintf(stderr, "wbrowse: the request could not be sent (error %lu)\n", GetLastError());
        CloseHandle(pipe);
        return 1;
    }
    // The stand-in closes its end once the answer is written.
    std::string answer;
    char buffer[512];
    while (ReadFile(pipe, buffer, sizeof buffer, &done, nullptr) && done > 0) answer.append(buffer, done);
    CloseHandle(pipe);
    if (answer.empty()) {
        std::fprintf(stderr, "wbrowse: no answer\n");
        return 1;
    }
    std::printf("%s\n", answer.c_str());
    return answer.rfind("error: ", 0) == 0 ? 1 : 0;
}
