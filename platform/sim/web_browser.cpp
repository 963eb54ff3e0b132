// The simulated WebBrowser control: its navigations, its history and the events of its pages.
#include "platform/sim/web_browser.h"

#include "platform/error.h"
#include "platform/process_globals.h"

namespace sim {

namespace {
std::vector<std::string> refused;
const platform::ResetAtStart resetRefused([] { refused.clear(); });
}  // namespace

std::vector<std::string>& RefusedAddresses() { return refused; }

std::vector<std::string> Browser::navigations() const {
    std::vector<std::string> urls;
    const std::string prefix = "Navigate ";
    for (const std::string& call : calls)
        if (call.rfind(prefix, 0) == 0) urls.push_back(call.substr(prefix.size()));
    return urls;
}

void Browser::navigate(const std::string& url) {
    calls.push_back("Navigate " + url);
    for (const std::string& address : refused)
        if (address == url) throw platform::Error(kBrowserInvalidArgument, "The parameter is incorrect.");
    pending_ = url;
}

void Browser::Arrive(const std::string& title, const std::string& finalUrl) {
    browser_.raiseDownloadBegin();
    pages_.resize(static_cast<std::size_t>(current_ + 1));  // a new page drops the forward history
    pages_.push_back({finalUrl.empty() ? pending_ : finalUrl, title});
    current_ = static_cast<int>(pages_.size()) - 1;
    browser_.raiseDownloadComplete();
}

void Browser::step(int by, const char* call) {
    calls.push_back(call);
    const int to = current_ + by;
    if (to < 0 || to >= static_cast<int>(pages_.size()))
        throw platform::Error(kBrowserUnspecifiedError, "Unspecified error");
    browser_.raiseDownloadBegin();
    current_ = to;
    browser_.raiseDownloadComplete();
}

Browser* BrowserOf(const forms::WebBrowser& control) { return dynamic_cast<Browser*>(control.peer()); }

}  // namespace sim
