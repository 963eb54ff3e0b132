#pragma once
// Follows the shell's windows, browser and folder windows alike, and keeps
// one popup-decision sink attached to each: every window that joins or leaves
// the shell's list rebuilds the sinks afresh.
#include <memory>
#include <vector>

#include "blocker/ie_class.h"
#include "platform/browser.h"

namespace windhover {

class cIEWindows : public std::enable_shared_from_this<cIEWindows> {
public:
    // Runs the first rebuild, which also hooks the shell's events.
    static std::shared_ptr<cIEWindows> Create();
    ~cIEWindows();

    // The sink at that position, from 1; null when there is none.
    std::shared_ptr<IE_Class> IE(int vntIndexKey);
    int Count() const;
    // The sinks as they stand, for the caller to go through.
    std::vector<std::shared_ptr<IE_Class>> NewEnum() const;

private:
    cIEWindows() = default;

    void AddBrowser(std::shared_ptr<platform::browser::Browser> browser);
    void Class_Initialize();
    void Class_Terminate();
    void winShell_WindowRegistered(long lCookie);
    void winShell_WindowRevoked(long lCookie);
    void RefreshBrowsers();
    void Rebuild();
    void DropSinks();
    void WaitWhileBusy();

    std::vector<std::shared_ptr<IE_Class>> mCol;
    bool boolBusy = false;
    bool boolHooked = false;
    // A rebuild was asked for while one ran: it runs again once that ends.
    bool rebuildAgain = false;
    std::shared_ptr<platform::browser::ShellWindows> winShell;
    std::unique_ptr<platform::browser::Connection> winShellEvents;
};

}  // namespace windhover
