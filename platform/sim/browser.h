#pragma once
// Simulated shell windows and their browsers: windows that open and close,
// pages that ask for new windows and report status texts, and the sinks the
// program connected to them. Events are delivered the way the window system
// delivers them: at once (newWindow, statusText) or posted to the process's
// message queue (post*, open, close; see PostComEvent), so that they arrive
// while a handler waits.
#include <memory>
#include <string>
#include <vector>

#include "platform/browser.h"

namespace sim {

struct BrowserSink {
    platform::browser::BrowserEvents events;
    bool connected = true;
};

struct ShellSink {
    platform::browser::ShellWindowsEvents events;
    bool connected = true;
};

struct BrowserWindow {
    int id = 0;
    std::string address;
    // false: the shell lists the window but it cannot be taken as a browser object.
    bool isBrowser = true;
    // The browser cannot report its address.
    bool addressFails = false;
    std::vector<std::shared_ptr<BrowserSink>> sinks;
};

struct NewWindowRecord {
    int window = 0;
    bool cancelled = false;
};

class Browsers {
public:
    // false: as under Wine, the shell's list answers E_NOTIMPL and offers no events.
    bool shellAvailable = true;

    // A shell window joins the list; WindowRegistered is posted. Returns its id.
    int open(const std::string& address);
    // The window leaves the list; WindowRevoked is posted.
    void close(int id);
    BrowserWindow* window(int id);
    const std::vector<BrowserWindow>& windows() const { return windows_; }

    // A page of the window asks for a new window: NewWindow2 reaches each of
    // its connected sinks in turn with one cancel flag. Returns the flag.
    bool newWindow(int id);
    void postNewWindow(int id);
    void statusText(int id, const std::string& text);
    void postStatusText(int id, const std::string& text);

    // Every request for a new window so far, with its outcome.
    std::vector<NewWindowRecord> newWindows;
    // During NewWindow2: the cancel flag as it stands; null otherwise.
    const bool* cancelFlag = nullptr;

    int connectedSinks(int id) const;
    int connectedShellSinks() const;
    int shellWindowsOpened = 0;

    // Backend use.
    std::vector<std::shared_ptr<ShellSink>> shellSinks;

private:
    void postShellEvent(bool registered);
    void deliverNewWindow(int id);

    std::vector<BrowserWindow> windows_;
    int nextId = 1;
    long nextCookie = 1;
};

}  // namespace sim
