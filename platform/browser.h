#pragma once
// Browser automation as the programs use it: the shell's list of open windows
// (browser and folder windows) with its registered and revoked events, and one
// browser's address with its new-window and status-text events. Every event
// arrives on the window thread. Failures raise platform::Error.
#include <functional>
#include <memory>
#include <string>

namespace platform::browser {

// An event connection; destroying it disconnects. A handler that is running
// when its connection goes still runs to its end.
class Connection {
public:
    virtual ~Connection() = default;
};

// The browser object of one shell window.
class Browser {
public:
    virtual ~Browser() = default;
    // The address of the page the window shows.
    virtual std::string LocationURL() = 0;
};

// The events of a browser that a program handles; an empty slot leaves the
// event as the browser would have it.
struct BrowserEvents {
    // A page asks for a new window; setting `cancel` stops it.
    std::function<void(bool& cancel)> onNewWindow2;
    // The text of the status bar changed.
    std::function<void(const std::string& text)> onStatusTextChange;
};

std::unique_ptr<Connection> Connect(Browser& browser, BrowserEvents events);

// The shell's window list, as one ShellWindows object sees it.
class ShellWindows {
public:
    virtual ~ShellWindows() = default;
    // Visits each listed window as a browser object, in the shell's order. A
    // list that cannot be read, or a window that is no browser object, raises
    // an error once the windows before it have been visited.
    virtual void ForEachWindow(const std::function<void(std::shared_ptr<Browser>)>& visit) = 0;
};

struct ShellWindowsEvents {
    std::function<void(long cookie)> onWindowRegistered;
    std::function<void(long cookie)> onWindowRevoked;
};

std::shared_ptr<ShellWindows> OpenShellWindows();
std::unique_ptr<Connection> Connect(ShellWindows& windows, ShellWindowsEvents events);

}  // namespace platform::browser
