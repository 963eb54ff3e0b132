// The stand-in's connection points: sinks advised and unadvised by cookie,
// each sink asked for the event interface itself when it connects.
#include <algorithm>

#include "tests/wine/standin.h"

namespace standin {

EventPoint::~EventPoint() {
    for (const Sink& sink : sinks_) sink.dispatch->Release();
}

HRESULT STDMETHODCALLTYPE EventPoint::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE EventPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = events_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = owner_;
    owner_->AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    void* dispatch = nullptr;
    if (FAILED(sink->QueryInterface(events_, &dispatch)) || !dispatch) return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    sinks_.push_back({*cookie, static_cast<IDispatch*>(dispatch)});
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventPoint::Unadvise(DWORD cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(), [&](const Sink& s) { return s.cookie == cookie; });
    if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
    IDispatch* dispatch = found->dispatch;
    sinks_.erase(found);
    dispatch->Release();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventPoint::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

Fired EventPoint::Fire(DISPID member, DISPPARAMS& params) {
    std::vector<IDispatch*> now;
    for (const Sink& sink : sinks_) {
        sink.dispatch->AddRef();
        now.push_back(sink.dispatch);
    }
    Fired fired;
    for (IDispatch* sink : now) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        const HRESULT hr =
            sink->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        QueryPerformanceCounter(&end);
        fired.ticks += end.QuadPart - start.QuadPart;
        ++fired.sinks;
        if (FAILED(hr) && SUCCEEDED(fired.result)) fired.result = hr;
        sink->Release();
    }
    return fired;
}

}  // namespace standin
