#pragma once
// The event sink of one shell window: remembers the browsers' last status
// text and decides, for each new window a page asks for, whether it opens.
#include <memory>
#include <string>

#include "platform/browser.h"

namespace windhover {

class IE_Class : public std::enable_shared_from_this<IE_Class> {
public:
    static std::shared_ptr<IE_Class> Create();
    ~IE_Class();

    // Makes the browser this sink's IE and connects the sink to its events;
    // a browser that takes no sink is left unconnected.
    void IEctl(std::shared_ptr<platform::browser::Browser> IncomeIE);
    // Disconnects the sink and lets go of the browser. A handler of it that
    // is running goes on to its end.
    void Class_Terminate();

    // The handlers the sink connects. Each holds the sink from entry to exit;
    // once the sink has gone they do nothing. The browser's other events are
    // left to the platform, which answers them with S_OK.
    platform::browser::BrowserEvents Events();

private:
    IE_Class() = default;

    void IE_NewWindow2(bool& Cancel);
    void IE_StatusTextChange(const std::string& Text);

    std::shared_ptr<platform::browser::Browser> IE;
    std::unique_ptr<platform::browser::Connection> connection_;
};

// The site of the page at the address: its host and port as written, without
// scheme and path.
std::string OpenerSite(const std::string& address);
// True when the site is part of the list text, in any letter case. The empty
// site is on every list but the empty one.
bool OnSiteList(const std::string& listText, const std::string& site);

}  // namespace windhover
