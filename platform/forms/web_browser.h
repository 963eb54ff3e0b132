#pragma once
// The embedded web browser: shows pages inside the form. The page, its
// address and its history live in the backend's browser, so the kind asks its
// peer for them; the browser's events come back through the raise* members.
#include <functional>
#include <string>

#include "platform/forms/control.h"

namespace forms {

// What a backend's browser peer does for the kind, beside being its Peer. A
// step the browser refuses (going back with no history, an address it
// rejects) raises a platform::Error.
class WebBrowserPeer {
public:
    virtual ~WebBrowserPeer() = default;
    virtual void navigate(const std::string& url) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    virtual std::string locationURL() const = 0;
    virtual std::string locationName() const = 0;
};

class WebBrowser : public Control {
public:
    WebBrowser(Form& form, std::string name, ControlDesign design = {});

    // The browser's methods; while the form is not loaded there is no
    // browser, and they do nothing.
    void Navigate(const std::string& url);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();
    // The address and the title of the page shown; empty without a browser.
    std::string locationURL() const;
    std::string locationName() const;

    std::function<void()> onDownloadBegin;
    std::function<void()> onDownloadComplete;
    std::function<void(long progress, long progressMax)> onProgressChange;
    std::function<void(const std::string& text)> onStatusTextChange;

    // The browser's events, from the backend; each runs through the dispatcher.
    void raiseDownloadBegin();
    void raiseDownloadComplete();
    void raiseProgressChange(long progress, long progressMax);
    void raiseStatusTextChange(const std::string& text);

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    WebBrowserPeer* browser() const { return dynamic_cast<WebBrowserPeer*>(peer()); }
};

}  // namespace forms
