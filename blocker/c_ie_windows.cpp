// The shell's windows followed, with a popup-decision sink kept on each.
#include "blocker/c_ie_windows.h"

#include <cstdint>
#include <exception>

#include "platform/program.h"

namespace windhover {

namespace {

// How long a reader lets waiting messages in while a rebuild runs. On the one
// window thread a rebuild that is under way lies further down the same call
// stack and cannot end while a handler above it waits, so the wait only gives
// queued work its turn and then goes on.
constexpr std::uint32_t kBusyWaitMs = 100;

}  // namespace

std::shared_ptr<cIEWindows> cIEWindows::Create() {
    std::shared_ptr<cIEWindows> tracker(new cIEWindows());
    tracker->Class_Initialize();
    return tracker;
}

cIEWindows::~cIEWindows() { Class_Terminate(); }

void cIEWindows::Class_Initialize() {
    try {
        RefreshBrowsers();
    } catch (const std::exception&) {
        // no windows are tracked until the shell reports one
    }
}

void cIEWindows::Class_Terminate() {
    DropSinks();
    winShellEvents.reset();
    winShell.reset();
}

void cIEWindows::WaitWhileBusy() {
    const std::uint32_t start = platform::TickCount();
    while (boolBusy && platform::TickCount() - start < kBusyWaitMs) platform::DoEvents();
}

std::shared_ptr<IE_Class> cIEWindows::IE(int vntIndexKey) {
    WaitWhileBusy();
    if (vntIndexKey < 1 || vntIndexKey > Count()) return nullptr;
    return mCol[static_cast<std::size_t>(vntIndexKey - 1)];
}

int cIEWindows::Count() const { return static_cast<int>(mCol.size()); }

std::vector<std::shared_ptr<IE_Class>> cIEWindows::NewEnum() const { return mCol; }

void cIEWindows::AddBrowser(std::shared_ptr<platform::browser::Browser> browser) {
    try {
        auto sink = IE_Class::Create();
        sink->IEctl(std::move(browser));
        mCol.push_back(std::move(sink));
    } catch (const std::exception&) {
        // the window goes without a sink until the next rebuild
    }
}

void cIEWindows::DropSinks() {
    // A sink whose handler is running stays alive to its end, disconnected.
    for (const auto& sink : mCol) sink->Class_Terminate();
    mCol.clear();
}

void cIEWindows::winShell_WindowRegistered(long) {
    RefreshBrowsers();
    WaitWhileBusy();
}

void cIEWindows::winShell_WindowRevoked(long) {
    RefreshBrowsers();
    WaitWhileBusy();
}

void cIEWindows::RefreshBrowsers() {
    // The shell's calls let messages in: a rebuild asked for meanwhile would
    // otherwise add to this one's sinks, giving a window two.
    if (boolBusy) {
        rebuildAgain = true;
        return;
    }
    auto self = shared_from_this();  // a handler run by the shell's calls may drop the tracker
    do {
        rebuildAgain = false;
        boolBusy = true;
        try {
            Rebuild();
        } catch (const std::exception&) {
            // the windows listed after a failure wait for the next rebuild
        }
        boolBusy = false;
    } while (rebuildAgain);
}

void cIEWindows::Rebuild() {
    DropSinks();
    auto windows = platform::browser::OpenShellWindows();
    windows->ForEachWindow(
        [this](std::shared_ptr<platform::browser::Browser> window) { AddBrowser(std::move(window)); });
    if (!boolHooked) {
        std::weak_ptr<cIEWindows> tracker = weak_from_this();
        winShellEvents = platform::browser::Connect(*windows, {
                                                                  [tracker](long lCookie) {
                                                                      if (auto self = tracker.lock())
                                                                          self->winShell_WindowRegistered(lCookie);
                                                                  },
                                                                  [tracker](long lCookie) {
                                                                      if (auto self = tracker.lock())
                                                                          self->winShell_WindowRevoked(lCookie);
                                                                  },
                                                              });
        winShell = windows;
    }
    boolHooked = true;
}

}  // namespace windhover
