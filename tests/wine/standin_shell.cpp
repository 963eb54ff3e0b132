// The stand-in's window list: the ShellWindows objects, each with its own
// DShellWindowsEvents connection point, over one list of windows for the
// process; the class factory and the server's exports.
#include <exdispid.h>

#include <algorithm>
#include <map>

#include "tests/wine/standin.h"

namespace standin {

namespace {

struct Window {
    IWebBrowser2* browser;  // one reference, kept after the window closes
    bool open;
};

class ShellList;

// Held for the life of the process and never freed: the program's sinks they
// may still hold must not be released while the process ends.
std::map<long, Window>& Windows() {
    static auto* windows = new std::map<long, Window>();
    return *windows;
}
std::vector<ShellList*>& Lists() {
    static auto* lists = new std::vector<ShellList*>();
    return *lists;
}
long lastNumber = 0;

std::vector<IWebBrowser2*> OpenBrowsers() {
    std::vector<IWebBrowser2*> open;
    for (const auto& [number, window] : Windows())
        if (window.open) open.push_back(window.browser);
    return open;
}

class ShellList final : public EventSource<IShellWindows> {
public:
    ShellList() : EventSource(DIID_DShellWindowsEvents) { Lists().push_back(this); }

    HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
        if (!count) return E_POINTER;
        *count = static_cast<LONG>(OpenBrowsers().size());
        return S_OK;
    }

    // The window at that position from 0; past the end, S_FALSE and none.
    HRESULT STDMETHODCALLTYPE Item(VARIANT index, IDispatch** folder) override {
        if (!folder) return E_POINTER;
        *folder = nullptr;
        VARIANT position;
        VariantInit(&position);
        if (FAILED(VariantChangeType(&position, &index, 0, VT_I4))) return E_INVALIDARG;
        const auto open = OpenBrowsers();
        if (position.lVal < 0 || static_cast<std::size_t>(position.lVal) >= open.size()) return S_FALSE;
        *folder = open[static_cast<std::size_t>(position.lVal)];
        (*folder)->AddRef();
        return S_OK;
    }

    STANDIN_NOT_HERE(_NewEnum, IUnknown**)
    STANDIN_NOT_HERE(Register, IDispatch*, LONG, int, LONG*)
    STANDIN_NOT_HERE(RegisterPending, LONG, VARIANT*, VARIANT*, int, LONG*)
    STANDIN_NOT_HERE(Revoke, LONG)
    STANDIN_NOT_HERE(OnNavigate, LONG, VARIANT*)
    STANDIN_NOT_HERE(OnActivated, LONG, VARIANT_BOOL)
    STANDIN_NOT_HERE(FindWindowSW, VARIANT*, VARIANT*, int, LONG*, int, IDispatch**)
    STANDIN_NOT_HERE(OnCreated, LONG, IUnknown*)
    STANDIN_NOT_HERE(ProcessAttachDetach, VARIANT_BOOL)

private:
    ~ShellList() override { Lists().erase(std::find(Lists().begin(), Lists().end(), this)); }
    bool Offers(REFIID iid) const override { return IsEqualIID(iid, IID_IShellWindows); }
};

// WindowRegistered or WindowRevoked with the window's number as its cookie,
// to the sinks of every list object alive.
void RaiseListEvent(DISPID member, long number) {
    std::vector<ShellList*> lists = Lists();
    for (ShellList* list : lists) list->AddRef();
    for (ShellList* list : lists) {
        VARIANT cookie;
        VariantInit(&cookie);
        cookie.vt = VT_I4;
        cookie.lVal = number;
        DISPPARAMS params{&cookie, nullptr, 1, 0};
        list->events().Fire(member, params);
        list->Release();
    }
}

class Factory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The one factory lives as long as the process.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        if (!StartControl()) return E_FAIL;
        auto* list = new ShellList();
        const HRESULT hr = list->QueryInterface(iid, object);
        list->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

long OpenWindow(const std::wstring& address) {
    const long number = ++lastNumber;
    Windows()[number] = {NewBrowser(address), true};
    RaiseListEvent(DISPID_WINDOWREGISTERED, number);
    return number;
}

bool CloseWindow(long number) {
    const auto found = Windows().find(number);
    if (found == Windows().end() || !found->second.open) return false;
    found->second.open = false;
    RaiseListEvent(DISPID_WINDOWREVOKED, number);
    return true;
}

IWebBrowser2* WindowBrowser(long number) {
    const auto found = Windows().find(number);
    return found == Windows().end() ? nullptr : found->second.browser;
}

int ShellSinks() {
    int sinks = 0;
    for (ShellList* list : Lists()) sinks += list->events().connected();
    return sinks;
}

}  // namespace standin

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    static standin::Factory factory;
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_ShellWindows)) return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, object);
}

// The pipe's threads run in this library until the process ends.
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
