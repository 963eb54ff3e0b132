// The embedded web browser: navigation through its peer, and its events raised to the form.
#include "platform/forms/web_browser.h"

#include "platform/error.h"
#include "platform/forms/form.h"

namespace forms {

namespace {

// Runs an event handler that was given one.
template <class Handler, class... Args>
void Raise(const Handler& handler, const Args&... args) {
    Dispatch([&] {
        if (handler) handler(args...);
    });
}

}  // namespace

WebBrowser::WebBrowser(Form& form, std::string name, ControlDesign design)
    : Control(form, "WebBrowser", std::move(name), std::move(design)) {}

void WebBrowser::Navigate(const std::string& url) {
    WebBrowserPeer* b = browser();
    if (!b) return;
    try {
        b->navigate(url);
    } catch (const platform::Error& e) {
        throw platform::Error(e.number(), "Cannot open " + url + ": " + e.what());
    }
}

void WebBrowser::GoBack() {
    if (WebBrowserPeer* b = browser()) b->goBack();
}

void WebBrowser::GoForward() {
    if (WebBrowserPeer* b = browser()) b->goForward();
}

void WebBrowser::Refresh() {
    if (WebBrowserPeer* b = browser()) b->refresh();
}

void WebBrowser::Stop() {
    if (WebBrowserPeer* b = browser()) b->stop();
}

std::string WebBrowser::locationURL() const { return browser() ? browser()->locationURL() : std::string(); }

std::string WebBrowser::locationName() const { return browser() ? browser()->locationName() : std::string(); }

void WebBrowser::raiseDownloadBegin() { Raise(onDownloadBegin); }

void WebBrowser::raiseDownloadComplete() { Raise(onDownloadComplete); }

void WebBrowser::raiseProgressChange(long progress, long progressMax) {
    Raise(onProgressChange, progress, progressMax);
}

void WebBrowser::raiseStatusTextChange(const std::string& text) { Raise(onStatusTextChange, text); }

}  // namespace forms
