// Browser automation through COM: the shell's ShellWindows list and its
// events, and each browser's DWebBrowserEvents2.
#include <exdisp.h>
#include <exdispid.h>

#include "platform/error.h"
#include "platform/win32/browser_sink.h"
#include "platform/win32/event_sink.h"

namespace platform::win32 {

namespace {

std::string Text(const VARIANT& argument) {
    if (argument.vt == VT_BSTR) return Ansi(argument.bstrVal, static_cast<int>(SysStringLen(argument.bstrVal)));
    if (argument.vt == (VT_BYREF | VT_BSTR) && argument.pbstrVal)
        return Ansi(*argument.pbstrVal, static_cast<int>(SysStringLen(*argument.pbstrVal)));
    throw Error(DISP_E_TYPEMISMATCH, "The event's text is no string");
}

// A sink that calls the program's handlers until it is detached.
template <class Events>
class HandlerSink : public EventSink {
public:
    HandlerSink(const IID& iid, Events events)
        : EventSink(iid), events_(std::make_shared<const Events>(std::move(events))) {}

    void Detach() override { events_.reset(); }

protected:
    virtual HRESULT Call(const Events& events, DISPID member, DISPPARAMS& params) = 0;

private:
    HRESULT Handle(DISPID member, DISPPARAMS& params) final {
        // Held for the call: a handler may disconnect this sink.
        const auto events = events_;
        return events ? Call(*events, member, params) : S_OK;
    }

    std::shared_ptr<const Events> events_;
};

// Turns the events the program handles into calls with plain arguments;
// every other event of the interface is answered with S_OK.
class BrowserEventSink : public HandlerSink<browser::BrowserEvents> {
public:
    explicit BrowserEventSink(browser::BrowserEvents events)
        : HandlerSink(DIID_DWebBrowserEvents2, std::move(events)) {}

protected:
    HRESULT Call(const browser::BrowserEvents& events, DISPID member, DISPPARAMS& params) override {
        // The arguments come in reverse order.
        if (member == DISPID_NEWWINDOW2 && events.onNewWindow2) {
            if (params.cArgs < 2 || !params.rgvarg) return DISP_E_BADPARAMCOUNT;
            VARIANT& argument = params.rgvarg[0];
            if (argument.vt != (VT_BYREF | VT_BOOL) || !argument.pboolVal) return DISP_E_TYPEMISMATCH;
            bool cancel = *argument.pboolVal != VARIANT_FALSE;
            events.onNewWindow2(cancel);
            *argument.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
        } else if (member == DISPID_STATUSTEXTCHANGE && events.onStatusTextChange) {
            if (params.cArgs < 1 || !params.rgvarg) return DISP_E_BADPARAMCOUNT;
            events.onStatusTextChange(Text(params.rgvarg[0]));
        }
        return S_OK;
    }
};

class ShellWindowsEventSink : public HandlerSink<browser::ShellWindowsEvents> {
public:
    explicit ShellWindowsEventSink(browser::ShellWindowsEvents events)
        : HandlerSink(DIID_DShellWindowsEvents, std::move(events)) {}

protected:
    HRESULT Call(const browser::ShellWindowsEvents& events, DISPID member, DISPPARAMS& params) override {
        const auto& handler = member == DISPID_WINDOWREGISTERED ? events.onWindowRegistered
                              : member == DISPID_WINDOWREVOKED  ? events.onWindowRevoked
                                                                : nullptr;
        if (!handler) return S_OK;
        long cookie = 0;
        if (params.cArgs >= 1 && params.rgvarg && params.rgvarg[0].vt == VT_I4) cookie = params.rgvarg[0].lVal;
        handler(cookie);
        return S_OK;
    }
};

class ComBrowser : public browser::Browser {
public:
    explicit ComBrowser(IWebBrowser2* browser) : browser_(browser) {}
    IWebBrowser2* object() const { return browser_.get(); }

    std::string LocationURL() override {
        BSTR address = nullptr;
        const HRESULT hr = browser_->get_LocationURL(&address);
        if (FAILED(hr)) throw Error(hr, "The browser cannot tell its address");
        std::string text = Ansi(address, static_cast<int>(SysStringLen(address)));
        SysFreeString(address);
        return text;
    }

private:
    ComRef<IWebBrowser2> browser_;
};

class ComShellWindows : public browser::ShellWindows {
public:
    explicit ComShellWindows(IShellWindows* windows) : windows_(windows) {}
    IShellWindows* object() const { return windows_.get(); }

    void ForEachWindow(const std::function<void(std::shared_ptr<browser::Browser>)>& visit) override {
        long count = 0;
        HRESULT hr = windows_->get_Count(&count);
        if (FAILED(hr)) throw Error(hr, "The shell's window list cannot be read");
        for (long i = 0; i < count; ++i) {
            VARIANT index;
            VariantInit(&index);
            index.vt = VT_I4;
            index.lVal = i;
            IDispatch* item = nullptr;
            hr = windows_->Item(index, &item);
            if (FAILED(hr) || !item) throw Error(FAILED(hr) ? hr : E_FAIL, "A shell window cannot be read");
            ComRef<IDispatch> held(item);
            IWebBrowser2* browser = nullptr;
            hr = item->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser));
            if (FAILED(hr) || !browser) throw Error(FAILED(hr) ? hr : E_FAIL, "A shell window is no browser");
            visit(std::make_shared<ComBrowser>(browser));
        }
    }

private:
    ComRef<IShellWindows> windows_;
};

template <class Sink, class Events>
std::unique_ptr<browser::Connection> ConnectSink(IUnknown* source, const IID& iid, Events events) {
    auto* sink = new Sink(std::move(events));
    try {
        auto connection = Advise(source, iid, sink);
        sink->Release();  // the connection holds its own reference
        return connection;
    } catch (...) {
        sink->Release();
        throw;
    }
}

}  // namespace

IDispatch* NewBrowserEventSink(browser::BrowserEvents events) { return new BrowserEventSink(std::move(events)); }

}  // namespace platform::win32

namespace platform::browser {

using win32::ComBrowser;
using win32::ComShellWindows;

std::unique_ptr<Connection> Connect(Browser& browser, BrowserEvents events) {
    auto* com = dynamic_cast<ComBrowser*>(&browser);
    if (!com) throw Error(E_INVALIDARG, "No browser object");
    return win32::ConnectSink<win32::BrowserEventSink>(com->object(), DIID_DWebBrowserEvents2, std::move(events));
}

std::shared_ptr<ShellWindows> OpenShellWindows() {
    IShellWindows* windows = nullptr;
    const HRESULT hr = CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                        reinterpret_cast<void**>(&windows));
    if (FAILED(hr) || !windows) throw Error(FAILED(hr) ? hr : E_FAIL, "The shell's window list is not available");
    return std::make_shared<ComShellWindows>(windows);
}

std::unique_ptr<Connection> Connect(ShellWindows& windows, ShellWindowsEvents events) {
    auto* com = dynamic_cast<ComShellWindows*>(&windows);
    if (!com) throw Error(E_INVALIDARG, "No shell window list");
    return win32::ConnectSink<win32::ShellWindowsEventSink>(com->object(), DIID_DShellWindowsEvents, std::move(events));
}

}  // namespace platform::browser
