// How the Wine run works the stand-in from outside the program: requests
// come through a named pipe, one line each, and the pipe's threads hand each
// one to a message-only window of the program's window thread, where it runs
// as a real browser's events arrive. Requests and their answers:
//
//   open <address>      opens a browser window; answers its number
//   close <n>           closes window n; answers "closed"
//   status <n> <text>   window n raises StatusTextChange(text); answers
//                       "heard", or "unheard" when no sink is connected
//   popup <n>           window n raises NewWindow2; answers the Cancel that
//                       came back, "cancelled" or "opened", or "unheard"
//   sinks <n>           the number of sinks connected to window n's events
//   shellsinks          the number of sinks connected to the list's events
//   time <n> <count>    window n raises NewWindow2 count times; answers the
//                       median and 99th percentile of the time from each
//                       Invoke call to its return, and how many were cancelled
//
// Anything that goes wrong answers "error: " and why. The windows open
// before the program asked for the list are read from shell-windows.txt
// beside this library, one address a line.
#include <exdispid.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "tests/wine/standin.h"

namespace standin {

namespace {

constexpr char kPipe[] = "\\\\.\\pipe\\wshellwin";
constexpr char kWindowClass[] = "wshellwin.control";
constexpr UINT kRequest = WM_APP + 1;
constexpr DWORD kLongestRequest = 4096;

struct Request {
    std::string line;
    std::string answer;
};

HWND controlWindow = nullptr;

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(hr));
    return text;
}

// The first word of the line, taken off it.
std::string Word(std::string& line) {
    const auto end = line.find(' ');
    std::string word = line.substr(0, end);
    line = end == std::string::npos ? std::string() : line.substr(end + 1);
    return word;
}

IWebBrowser2* BrowserNamed(const std::string& word) {
    char* end = nullptr;
    const long number = std::strtol(word.c_str(), &end, 10);
    return end && *end == '\0' ? WindowBrowser(number) : nullptr;
}

struct Popup {
    Fired fired;
    bool cancelled = false;
};

// NewWindow2(ppDisp, Cancel), the arguments in reverse order, Cancel false
// when it starts, as a browser raises it.
Popup RaisePopup(IWebBrowser2* browser) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    IDispatch* created = nullptr;
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BYREF | VT_BOOL;
    args[0].pboolVal = &cancel;
    args[1].vt = VT_BYREF | VT_DISPATCH;
    args[1].ppdispVal = &created;
    DISPPARAMS params{args, nullptr, 2, 0};
    Popup popup;
    popup.fired = BrowserEvents(browser).Fire(DISPID_NEWWINDOW2, params);
    popup.cancelled = cancel != VARIANT_FALSE;
    if (created) created->Release();
    return popup;
}

Fired RaiseStatusText(IWebBrowser2* browser, const std::string& text) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    const std::wstring wide = Wide(text);
    arg.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    DISPPARAMS params{&arg, nullptr, 1, 0};
    const Fired fired = BrowserEvents(browser).Fire(DISPID_STATUSTEXTCHANGE, params);
    VariantClear(&arg);
    return fired;
}

std::string Failed(const Fired& fired) { return "error: the sink's Invoke answered " + Hex(fired.result); }

std::string Time(IWebBrowser2* browser, const std::string& countWord) {
    const int count = std::atoi(countWord.c_str());
    if (count < 1) return "error: no count of popups";
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> micros;
    int cancelled = 0;
    for (int i = 0; i < count; ++i) {
        const Popup popup = RaisePopup(browser);
        if (FAILED(popup.fired.result)) return Failed(popup.fired);
        if (popup.fired.sinks != 1) return "error: " + std::to_string(popup.fired.sinks) + " sinks, not one";
        micros.push_back(static_cast<double>(popup.fired.ticks) * 1e6 / static_cast<double>(frequency.QuadPart));
        if (popup.cancelled) ++cancelled;
    }
    std::sort(micros.begin(), micros.end());
    const double median =
        micros.size() % 2 ? micros[micros.size() / 2] : (micros[micros.size() / 2 - 1] + micros[micros.size() / 2]) / 2;
    const double p99 = micros[static_cast<std::size_t>(std::ceil(0.99 * count)) - 1];
    char answer[128];
    std::snprintf(answer, sizeof answer, "median %.0f us, p99 %.0f us, %d of %d cancelled", median, p99, cancelled,
                  count);
    return answer;
}

// Runs on the program's window thread.
std::string Execute(std::string line) {
    const std::string command = Word(line);
    if (command == "open") return line.empty() ? "error: no address" : std::to_string(OpenWindow(Wide(line)));
    if (command == "shellsinks") return std::to_string(ShellSinks());
    const std::string number = Word(line);
    IWebBrowser2* browser = BrowserNamed(number);
    if (!browser) return "error: no window \"" + number + "\"";
    if (command == "close") return CloseWindow(std::atol(number.c_str())) ? "closed" : "error: already closed";
    if (command == "sinks") return std::to_string(BrowserEvents(browser).connected());
    if (command == "status") {
        const Fired fired = RaiseStatusText(browser, line);
        if (FAILED(fired.result)) return Failed(fired);
        return fired.sinks ? "heard" : "unheard";
    }
    if (command == "popup") {
        const Popup popup = RaisePopup(browser);
        if (FAILED(popup.fired.result)) return Failed(popup.fired);
        if (!popup.fired.sinks) return "unheard";
        return popup.cancelled ? "cancelled" : "opened";
    }
    if (command == "time") return Time(browser, line);
    return "error: no request \"" + command + "\"";
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRequest) return DefWindowProcA(window, message, wParam, lParam);
    auto* request = reinterpret_cast<Request*>(lParam);
    request->answer = Execute(request->line);
    return 1;
}

// One client: its line in, the answer out, then the pipe closes.
DWORD WINAPI Serve(void* param) {
    HANDLE pipe = param;
    Request request;
    char c = 0;
    DWORD got = 0;
    while (request.line.size() < kLongestRequest && ReadFile(pipe, &c, 1, &got, nullptr) && got == 1 && c != '\n')
        request.line += c;
    if (!request.line.empty() && request.line.back() == '\r') request.line.pop_back();
    if (!SendMessageA(controlWindow, kRequest, 0, reinterpret_cast<LPARAM>(&request)))
        request.answer = "error: the program's window thread does not answer";
    DWORD written = 0;
    WriteFile(pipe, request.answer.data(), static_cast<DWORD>(request.answer.size()), &written, nullptr);
    FlushFileBuffers(pipe);
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
    return 0;
}

// Each client gets a thread of its own, so that a request can come while an
// earlier one waits inside the program (a popup waiting for its prompt).
DWORD WINAPI Listen(void*) {
    for (;;) {
        HANDLE pipe = CreateNamedPipeA(kPipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                       PIPE_UNLIMITED_INSTANCES, kLongestRequest, kLongestRequest, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE) return 1;
        if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) {
            CloseHandle(pipe);
            continue;
        }
        HANDLE thread = CreateThread(nullptr, 0, Serve, pipe, 0, nullptr);
        if (thread)
            CloseHandle(thread);
        else
            Serve(pipe);
    }
}

// This library, kept loaded for the process's life: its threads run in it.
HMODULE PinnedSelf() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&PinnedSelf), &module);
    return module;
}

std::string FolderOf(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

void OpenWindowsOfTheStart(const std::string& folder) {
    std::ifstream file(folder + "shell-windows.txt");
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) OpenWindow(Wide(line));
    }
}

bool Start() {
    HMODULE self = PinnedSelf();
    if (!self) return false;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ControlProc;
    windowClass.hInstance = self;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    controlWindow = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, self, nullptr);
    if (!controlWindow) return false;
    OpenWindowsOfTheStart(FolderOf(self));
    HANDLE thread = CreateThread(nullptr, 0, Listen, nullptr, 0, nullptr);
    if (!thread) return false;
    CloseHandle(thread);
    return true;
}

}  // namespace

bool StartControl() {
    static const bool started = Start();
    return started;
}

}  // namespace standin
