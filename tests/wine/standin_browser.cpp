// The stand-in's browser object: its address and its DWebBrowserEvents2
// connection point; every other method answers E_NOTIMPL.
#include "tests/wine/standin.h"

namespace standin {

namespace {

class Browser final : public EventSource<IWebBrowser2> {
public:
    explicit Browser(std::wstring address) : EventSource(DIID_DWebBrowserEvents2), address_(std::move(address)) {}

    HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* address) override {
        if (!address) return E_POINTER;
        *address = SysAllocStringLen(address_.data(), static_cast<UINT>(address_.size()));
        return *address ? S_OK : E_OUTOFMEMORY;
    }

    STANDIN_NOT_HERE(GoBack)
    STANDIN_NOT_HERE(GoForward)
    STANDIN_NOT_HERE(GoHome)
    STANDIN_NOT_HERE(GoSearch)
    STANDIN_NOT_HERE(Navigate, BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
    STANDIN_NOT_HERE(Refresh)
    STANDIN_NOT_HERE(Refresh2, VARIANT*)
    STANDIN_NOT_HERE(Stop)
    STANDIN_NOT_HERE(get_Application, IDispatch**)
    STANDIN_NOT_HERE(get_Parent, IDispatch**)
    STANDIN_NOT_HERE(get_Container, IDispatch**)
    STANDIN_NOT_HERE(get_Document, IDispatch**)
    STANDIN_NOT_HERE(get_TopLevelContainer, VARIANT_BOOL*)
    STANDIN_NOT_HERE(get_Type, BSTR*)
    STANDIN_NOT_HERE(get_Left, LONG*)
    STANDIN_NOT_HERE(put_Left, LONG)
    STANDIN_NOT_HERE(get_Top, LONG*)
    STANDIN_NOT_HERE(put_Top, LONG)
    STANDIN_NOT_HERE(get_Width, LONG*)
    STANDIN_NOT_HERE(put_Width, LONG)
    STANDIN_NOT_HERE(get_Height, LONG*)
    STANDIN_NOT_HERE(put_Height, LONG)
    STANDIN_NOT_HERE(get_LocationName, BSTR*)
    STANDIN_NOT_HERE(get_Busy, VARIANT_BOOL*)
    STANDIN_NOT_HERE(Quit)
    STANDIN_NOT_HERE(ClientToWindow, int*, int*)
    STANDIN_NOT_HERE(PutProperty, BSTR, VARIANT)
    STANDIN_NOT_HERE(GetProperty, BSTR, VARIANT*)
    STANDIN_NOT_HERE(get_Name, BSTR*)
    STANDIN_NOT_HERE(get_HWND, SHANDLE_PTR*)
    STANDIN_NOT_HERE(get_FullName, BSTR*)
    STANDIN_NOT_HERE(get_Path, BSTR*)
    STANDIN_NOT_HERE(get_Visible, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_Visible, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_StatusBar, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_StatusBar, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_StatusText, BSTR*)
    STANDIN_NOT_HERE(put_StatusText, BSTR)
    STANDIN_NOT_HERE(get_ToolBar, int*)
    STANDIN_NOT_HERE(put_ToolBar, int)
    STANDIN_NOT_HERE(get_MenuBar, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_MenuBar, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_FullScreen, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_FullScreen, VARIANT_BOOL)
    STANDIN_NOT_HERE(Navigate2, VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
    STANDIN_NOT_HERE(QueryStatusWB, OLECMDID, OLECMDF*)
    STANDIN_NOT_HERE(ExecWB, OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*)
    STANDIN_NOT_HERE(ShowBrowserBar, VARIANT*, VARIANT*, VARIANT*)
    STANDIN_NOT_HERE(get_ReadyState, READYSTATE*)
    STANDIN_NOT_HERE(get_Offline, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_Offline, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_Silent, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_Silent, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_RegisterAsBrowser, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_RegisterAsBrowser, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_RegisterAsDropTarget, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_RegisterAsDropTarget, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_TheaterMode, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_TheaterMode, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_AddressBar, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_AddressBar, VARIANT_BOOL)
    STANDIN_NOT_HERE(get_Resizable, VARIANT_BOOL*)
    STANDIN_NOT_HERE(put_Resizable, VARIANT_BOOL)

private:
    bool Offers(REFIID iid) const override {
        return IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IWebBrowserApp) ||
               IsEqualIID(iid, IID_IWebBrowser2);
    }

    std::wstring address_;
};

}  // namespace

IWebBrowser2* NewBrowser(const std::wstring& address) { return new Browser(address); }

EventPoint& BrowserEvents(IWebBrowser2* browser) { return static_cast<Browser*>(browser)->events(); }

}  // namespace standin
