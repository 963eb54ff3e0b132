#pragma once
// wshellwin.dll: a stand-in for the shell's window list and its browsers,
// loaded into the program under test in place of the shell's own through the
// ShellWindows class's in-process server key. It gives what windhover uses:
// the list's count and items with its registered and revoked events, and
// each browser's address with its DWebBrowserEvents2, every event through a
// real connection point. Everything else answers E_NOTIMPL.
//
// The Wine run drives it from outside the program through a named pipe
// (standin_control.cpp, and wbrowse.exe on the other end); every event fires
// on the program's window thread.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>
#include <exdisp.h>

#include <string>
#include <vector>

namespace standin {

// What one event did at the sinks connected when it fired.
struct Fired {
    int sinks = 0;
    HRESULT result = S_OK;  // the first failure a sink's Invoke answered
    LONGLONG ticks = 0;     // performance-counter ticks spent inside the sinks' Invoke calls
};

// The connection point of one event interface. It lives inside the object
// that offers it and counts its references on that object.
class EventPoint final : public IConnectionPoint {
public:
    EventPoint(IConnectionPointContainer* owner, const IID& events) : owner_(owner), events_(events) {}
    ~EventPoint();
    EventPoint(const EventPoint&) = delete;
    EventPoint& operator=(const EventPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

    const IID& events() const { return events_; }
    int connected() const { return static_cast<int>(sinks_.size()); }
    // Calls every sink connected now, in the order they came. A sink may
    // connect or disconnect others, or itself, while it runs.
    Fired Fire(DISPID member, DISPPARAMS& params);

private:
    struct Sink {
        DWORD cookie;
        IDispatch* dispatch;
    };
    IConnectionPointContainer* owner_;
    IID events_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

// Declares a method that answers E_NOTIMPL.
#define STANDIN_NOT_HERE(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }

// A COM object of the interface that raises one event interface through its
// own connection point. It counts its references for the whole object.
template <class Interface>
class EventSource : public Interface, public IConnectionPointContainer {
public:
    explicit EventSource(const IID& events) : events_(this, events) {}
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    EventPoint& events() { return events_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || Offers(iid)) {
            *object = static_cast<Interface*>(this);
        } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
            *object = static_cast<IConnectionPointContainer*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
        if (!point) return E_POINTER;
        if (!IsEqualIID(iid, events_.events())) {
            *point = nullptr;
            return CONNECT_E_NOCONNECTION;
        }
        *point = &events_;
        events_.AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override {
        if (points) *points = nullptr;
        return E_NOTIMPL;
    }

    // Nothing calls it by name.
    STANDIN_NOT_HERE(GetTypeInfoCount, UINT*)
    STANDIN_NOT_HERE(GetTypeInfo, UINT, LCID, ITypeInfo**)
    STANDIN_NOT_HERE(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)
    STANDIN_NOT_HERE(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)

protected:
    virtual ~EventSource() = default;
    // The interfaces it answers for besides IUnknown, IDispatch and the container.
    virtual bool Offers(REFIID iid) const = 0;

private:
    LONG references_ = 1;
    EventPoint events_;
};

// A browser object showing the address, with one reference for the caller.
IWebBrowser2* NewBrowser(const std::wstring& address);
// The DWebBrowserEvents2 point of a browser that NewBrowser made.
EventPoint& BrowserEvents(IWebBrowser2* browser);

// The shell's windows, numbered from 1 in the order they opened; a number is
// never used twice. Opening and closing raise the list's events.
long OpenWindow(const std::wstring& address);
bool CloseWindow(long number);
// The browser of a window that was ever opened, open or closed; null if none.
IWebBrowser2* WindowBrowser(long number);
// The sinks connected to the list's events, over every list object alive.
int ShellSinks();

// Starts the control on the calling thread, the program's window thread:
// the windows open before the start, the window that carries the events
// onto that thread and the pipe. Runs once; false if it could not start.
bool StartControl();

}  // namespace standin
