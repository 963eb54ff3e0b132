#pragma once
// The simulated WebBrowser control: it records what the program asks of it
// and keeps a history, and the test plays the network, raising the events a
// page's download raises.
#include <string>
#include <vector>

#include "platform/forms/web_browser.h"
#include "platform/sim/peers.h"

namespace sim {

// The errors the control raises, as HRESULTs.
inline constexpr long kBrowserUnspecifiedError = -2147467259;  // E_FAIL
inline constexpr long kBrowserInvalidArgument = -2147024809;   // E_INVALIDARG

class Browser final : public ControlPeer, public forms::WebBrowserPeer {
public:
    Browser(FormWindow& form, forms::WebBrowser& control) : ControlPeer(form, control), browser_(control) {}

    // What the program asked, in order: "Navigate <url>", "GoBack",
    // "GoForward", "Refresh", "Stop"; a refused step is recorded too.
    std::vector<std::string> calls;

    // The test as the network: the last navigation's page arrives, at
    // `finalUrl` when it was redirected there, titled `title`: DownloadBegin,
    // the new location, DownloadComplete.
    void Arrive(const std::string& title, const std::string& finalUrl = {});
    void StatusText(const std::string& text) { browser_.raiseStatusTextChange(text); }
    void Progress(long progress, long progressMax) { browser_.raiseProgressChange(progress, progressMax); }
    // The navigations asked for so far.
    std::vector<std::string> navigations() const;

    void navigate(const std::string& url) override;
    void goBack() override { step(-1, "GoBack"); }
    void goForward() override { step(+1, "GoForward"); }
    void refresh() override { calls.push_back("Refresh"); }
    void stop() override { calls.push_back("Stop"); }
    std::string locationURL() const override { return current_ < 0 ? std::string() : pages_[index()].url; }
    std::string locationName() const override { return current_ < 0 ? std::string() : pages_[index()].title; }

private:
    struct Page {
        std::string url;
        std::string title;
    };
    std::size_t index() const { return static_cast<std::size_t>(current_); }
    // Moves through the history, downloading the page found there again.
    void step(int by, const char* call);

    forms::WebBrowser& browser_;
    std::string pending_;
    std::vector<Page> pages_;  // the history, oldest first
    int current_ = -1;
};

// Addresses every browser of the process refuses to navigate to, as the real
// control refuses one it cannot parse; empty at every start.
std::vector<std::string>& RefusedAddresses();

// The simulated browser of a loaded form's WebBrowser, or nullptr.
Browser* BrowserOf(const forms::WebBrowser& control);

}  // namespace sim
