#pragma once
// COM event sinks: an IDispatch that a connection point calls, and the
// connection that advises it and unadvises it again.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>
#include <string>

#include "platform/browser.h"

namespace platform::win32 {

struct ComRelease {
    void operator()(IUnknown* object) const {
        if (object) object->Release();
    }
};
// Owns one reference to a COM object.
template <class T>
using ComRef = std::unique_ptr<T, ComRelease>;

// An IDispatch for one event interface. Invoke hands each call to Handle and
// lets no exception out; a detached sink answers every call with S_OK.
class EventSink : public IDispatch {
public:
    explicit EventSink(const IID& events) : events_(events) {}
    virtual ~EventSink() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // Drops the handlers: later calls do nothing.
    virtual void Detach() = 0;

protected:
    virtual HRESULT Handle(DISPID member, DISPPARAMS& params) = 0;

private:
    IID events_;
    LONG references_ = 1;
};

// Advises the sink at the source's connection point for the sink's event
// interface. Raises platform::Error when the source offers none.
std::unique_ptr<browser::Connection> Advise(IUnknown* source, const IID& events, EventSink* sink);

// BSTR to text in the ANSI code page.
std::string Ansi(const wchar_t* text, int length);

}  // namespace platform::win32
