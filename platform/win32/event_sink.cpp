// COM event sinks: the IDispatch a connection point calls, and advising and unadvising it.
#include "platform/win32/event_sink.h"

#include "platform/error.h"

namespace platform::win32 {

HRESULT STDMETHODCALLTYPE EventSink::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, events_)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE EventSink::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE EventSink::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE EventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE EventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                            UINT*) {
    if (!params) return S_OK;
    // The sink lives to the end of the call even if a handler disconnects it.
    AddRef();
    HRESULT result = S_OK;
    try {
        result = Handle(member, *params);
    } catch (...) {
        result = S_OK;  // the source gets no exception; the arguments keep their values
    }
    Release();
    return result;
}

namespace {

class PointConnection : public browser::Connection {
public:
    PointConnection(ComRef<IConnectionPoint> point, DWORD cookie, EventSink* sink)
        : point_(std::move(point)), cookie_(cookie), sink_(sink) {
        sink_->AddRef();
    }
    ~PointConnection() override {
        sink_->Detach();
        point_->Unadvise(cookie_);
        sink_->Release();
    }

private:
    ComRef<IConnectionPoint> point_;
    DWORD cookie_;
    EventSink* sink_;
};

}  // namespace

std::unique_ptr<browser::Connection> Advise(IUnknown* source, const IID& events, EventSink* sink) {
    IConnectionPointContainer* container = nullptr;
    HRESULT hr = source ? source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))
                        : E_POINTER;
    if (FAILED(hr) || !container) throw Error(hr, "The object offers no events");
    ComRef<IConnectionPointContainer> held(container);
    IConnectionPoint* point = nullptr;
    hr = container->FindConnectionPoint(events, &point);
    if (FAILED(hr) || !point) throw Error(hr, "The object offers no connection point for these events");
    ComRef<IConnectionPoint> pointHeld(point);
    DWORD cookie = 0;
    hr = point->Advise(static_cast<IDispatch*>(sink), &cookie);
    if (FAILED(hr)) throw Error(hr, "The object refused the event sink");
    return std::make_unique<PointConnection>(std::move(pointHeld), cookie, sink);
}

std::string Ansi(const wchar_t* text, int length) {
    if (!text || length <= 0) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

}  // namespace platform::win32
