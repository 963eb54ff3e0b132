// The web browser: the system's WebBrowser control, in place in a host child
// window of the form, with its events coming back through a connection point.
#include <windows.h>
#include <exdisp.h>

#include "platform/error.h"
#include "platform/error_text.h"
#include "platform/forms/web_browser.h"
#include "platform/win32/browser_site.h"
#include "platform/win32/child_peer.h"
#include "platform/win32/peer_factory.h"

namespace forms::win32 {

namespace {

constexpr char kHostClass[] = "FormsWebBrowser";

template <class Interface>
void ReleaseInto(Interface*& held) {
    if (held) held->Release();
    held = nullptr;
}

class BrowserPeer final : public ChildPeer, public forms::WebBrowserPeer, private BrowserEvents {
public:
    BrowserPeer(NativeForm& native, WebBrowser& control) : ChildPeer(native, control), control_(control) {
        create({HostClass(), WS_CLIPCHILDREN});
        if (!window()) return;
        SetWindowLongPtrA(window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        embed();
    }
    ~BrowserPeer() override {
        close();
        if (window()) SetWindowLongPtrA(window(), GWLP_USERDATA, 0);
    }

    void navigate(const std::string& url) override {
        BSTR address = ToBstr(url);
        VARIANT empty;
        VariantInit(&empty);
        const HRESULT result = ready().Navigate(address, &empty, &empty, &empty, &empty);
        SysFreeString(address);
        check(result);
    }
    void goBack() override { check(ready().GoBack()); }
    void goForward() override { check(ready().GoForward()); }
    void refresh() override { check(ready().Refresh()); }
    void stop() override { check(ready().Stop()); }
    std::string locationURL() const override { return text(&IWebBrowser2::get_LocationURL); }
    std::string locationName() const override { return text(&IWebBrowser2::get_LocationName); }

private:
    static const char* HostClass() {
        static const bool registered = [] {
            WNDCLASSA type{};
            type.lpfnWndProc = HostProcedure;
            type.hInstance = GetModuleHandleA(nullptr);
            type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
            type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            type.lpszClassName = kHostClass;
            return RegisterClassA(&type) != 0;
        }();
        (void)registered;
        return kHostClass;
    }

    static LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* peer = reinterpret_cast<BrowserPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (peer && message == WM_SIZE) peer->fit();
        if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }

    // Creates the control, activates it in place in the host window and
    // connects the event sink. A system without the control leaves the host
    // empty; every method then says so.
    void embed() {
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&object_))))
            return;
        site_ = new BrowserSite(window());
        object_->SetClientSite(site_);
        RECT area{};
        GetClientRect(window(), &area);
        object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, window(), &area);
        object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_));
        sink_ = new BrowserEventSink(*this);
        try {
            events_ = platform::win32::Advise(browser_, DIID_DWebBrowserEvents2, sink_);
        } catch (const platform::Error&) {
            // a control without events still shows its pages
        }
    }

    // Disconnects and closes the control; whatever it still calls reaches nothing.
    void close() {
        if (sink_) sink_->Detach();
        events_.reset();
        if (browser_) browser_->Stop();
        ReleaseInto(browser_);
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
        ReleaseInto(object_);
        if (site_) site_->detach();
        ReleaseInto(site_);
        ReleaseInto(sink_);
    }

    // The control fills the host window.
    void fit() {
        IOleInPlaceObject* inPlace = nullptr;
        if (!object_ || FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
            return;
        RECT area{};
        GetClientRect(window(), &area);
        inPlace->SetObjectRects(&area, &area);
        inPlace->Release();
    }

    IWebBrowser2& ready() const {
        if (!browser_)
            throw platform::Error(static_cast<long>(REGDB_E_CLASSNOTREG), "This system has no web browser control");
        return *browser_;
    }

    // A refused step as an error with the system's text for it.
    static void check(HRESULT result) {
        if (SUCCEEDED(result)) return;
        const std::string message = platform::SystemErrorText(static_cast<long>(result));
        throw platform::Error(static_cast<long>(result), message.empty() ? "Unspecified error" : message);
    }

    std::string text(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*property)(BSTR*)) const {
        if (!browser_) return {};
        BSTR value = nullptr;
        std::string result;
        if (SUCCEEDED((browser_->*property)(&value))) result = FromBstr(value);
        SysFreeString(value);
        return result;
    }

    void downloadBegin() override { control_.raiseDownloadBegin(); }
    void downloadComplete() override { control_.raiseDownloadComplete(); }
    void progressChange(long progress, long progressMax) override {
        control_.raiseProgressChange(progress, progressMax);
    }
    void statusTextChange(const std::string& text) override { control_.raiseStatusTextChange(text); }

    WebBrowser& control_;
    IOleObject* object_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
    std::unique_ptr<platform::browser::Connection> events_;
    BrowserSite* site_ = nullptr;
    BrowserEventSink* sink_ = nullptr;
};

}  // namespace

std::unique_ptr<Peer> Win32Peers::make(WebBrowser& control) { return std::make_unique<BrowserPeer>(native, control); }

}  // namespace forms::win32
