// The container side of the embedded WebBrowser control: its client, in-place site and frame,
// and its event sink.
#include "platform/win32/browser_site.h"

#include <exdisp.h>
#include <exdispid.h>

namespace forms::win32 {

namespace {

template <class Object>
HRESULT Give(Object* given, void** object) {
    given->AddRef();
    *object = given;
    return S_OK;
}

// An event argument as the type asked for, whatever the caller passed (by
// value or by reference); VT_EMPTY when it does not convert.
VARIANT Converted(const VARIANT& argument, VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(VariantChangeType(&value, const_cast<VARIANT*>(&argument), 0, type))) VariantInit(&value);
    return value;
}

long LongArgument(const VARIANT& argument) {
    VARIANT value = Converted(argument, VT_I4);
    const long result = value.vt == VT_I4 ? value.lVal : 0;
    VariantClear(&value);
    return result;
}

std::string TextArgument(const VARIANT& argument) {
    VARIANT value = Converted(argument, VT_BSTR);
    std::string text = value.vt == VT_BSTR ? FromBstr(value.bstrVal) : std::string();
    VariantClear(&value);
    return text;
}

}  // namespace

BSTR ToBstr(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (wide && length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, length);
    return wide;
}

std::string FromBstr(BSTR text) {
    return text ? platform::win32::Ansi(text, static_cast<int>(SysStringLen(text))) : std::string();
}

// ---- the site ----------------------------------------------------------------

HRESULT BrowserSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        return Give(static_cast<IOleClientSite*>(this), object);
    if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        return Give(static_cast<IOleInPlaceSite*>(this), object);
    if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        return Give(static_cast<IOleInPlaceFrame*>(this), object);
    return E_NOINTERFACE;
}

ULONG BrowserSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG BrowserSite::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT BrowserSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT BrowserSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = host_;
    return host_ ? S_OK : E_FAIL;
}

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *document = nullptr;
    *frame = nullptr;
    if (!host_) return E_FAIL;
    Give(static_cast<IOleInPlaceFrame*>(this), reinterpret_cast<void**>(frame));
    GetClientRect(host_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

// ---- the event sink ----------------------------------------------------------

BrowserEventSink::BrowserEventSink(BrowserEvents& events) : EventSink(DIID_DWebBrowserEvents2), events_(&events) {}

// The arguments come last first: rgvarg[0] is the event's last parameter.
HRESULT BrowserEventSink::Handle(DISPID id, DISPPARAMS& params) {
    if (!events_) return S_OK;
    switch (id) {
        case DISPID_DOWNLOADBEGIN:
            events_->downloadBegin();
            break;
        case DISPID_DOWNLOADCOMPLETE:
            events_->downloadComplete();
            break;
        case DISPID_PROGRESSCHANGE:
            if (params.cArgs >= 2 && params.rgvarg)
                events_->progressChange(LongArgument(params.rgvarg[1]), LongArgument(params.rgvarg[0]));
            break;
        case DISPID_STATUSTEXTCHANGE:
            if (params.cArgs >= 1 && params.rgvarg) events_->statusTextChange(TextArgument(params.rgvarg[0]));
            break;
        default:
            break;
    }
    return S_OK;
}

}  // namespace forms::win32
