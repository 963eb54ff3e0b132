// wsinkcheck.exe: calls the browser event sink's Invoke as a browser does,
// with real DISPPARAMS, and checks that the cancel flag comes back as
// windhover's popup decision says. Ends with "N passed, M failed".
#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <exdispid.h>

#include <cstdio>
#include <memory>

#include "blocker/form1.h"
#include "blocker/ie_class.h"
#include "blocker/shared_state.h"
#include "platform/error.h"
#include "platform/win32/browser_sink.h"
#include "tests/contract/contract_check.h"

namespace {

using contract::Row;
using windhover::Form1;

// A browser object that only tells its address.
class PageBrowser : public platform::browser::Browser {
public:
    std::string address = "http://www.opener.example/page.html";
    bool fails = false;
    std::string LocationURL() override {
        if (fails) throw platform::Error(E_FAIL, "no address");
        return address;
    }
};

// NewWindow2(ppDisp, Cancel): the arguments in reverse order.
HRESULT NewWindow2(IDispatch* sink, VARIANT_BOOL* cancel) {
    IDispatch* created = nullptr;
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BYREF | VT_BOOL;
    args[0].pboolVal = cancel;
    args[1].vt = VT_BYREF | VT_DISPATCH;
    args[1].ppdispVal = &created;
    DISPPARAMS params{args, nullptr, 2, 0};
    return sink->Invoke(DISPID_NEWWINDOW2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                        nullptr);
}

HRESULT StatusTextChange(IDispatch* sink, const wchar_t* text) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = SysAllocString(text);
    DISPPARAMS params{&arg, nullptr, 1, 0};
    const HRESULT hr = sink->Invoke(DISPID_STATUSTEXTCHANGE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                    nullptr, nullptr, nullptr);
    VariantClear(&arg);
    return hr;
}

const char* Flag(VARIANT_BOOL value) {
    return value == VARIANT_TRUE ? "VARIANT_TRUE" : value == VARIANT_FALSE ? "VARIANT_FALSE" : "other";
}

void Interfaces(IDispatch* sink) {
    contract::Section("the sink's interfaces");
    const struct {
        const char* name;
        const IID& iid;
        bool answered;
    } rows[] = {
        {"DIID_DWebBrowserEvents2", DIID_DWebBrowserEvents2, true},
        {"IID_IDispatch", IID_IDispatch, true},
        {"IID_IUnknown", IID_IUnknown, true},
        {"IID_IConnectionPoint", IID_IConnectionPoint, false},
    };
    for (const auto& row : rows) {
        void* object = nullptr;
        const bool answered = SUCCEEDED(sink->QueryInterface(row.iid, &object)) && object;
        if (object) static_cast<IUnknown*>(object)->Release();
        Row(std::string("QueryInterface answers ") + row.name, answered, row.answered);
    }
}

void Decisions(IDispatch* sink, Form1& main, PageBrowser& page) {
    contract::Section("NewWindow2: the cancel flag as the decision gives it");
    const struct {
        const char* name;
        int blocking;
        const char* allowed;
        VARIANT_BOOL before;
        VARIANT_BOOL after;
    } rows[] = {
        {"an unlisted site is cancelled", 1, "", VARIANT_FALSE, VARIANT_TRUE},
        {"an allowed site opens", 1, "www.opener.example\r\n", VARIANT_FALSE, VARIANT_FALSE},
        {"an allowed site clears a set flag", 1, "opener.example:80 www.opener.example\r\n", VARIANT_TRUE,
         VARIANT_FALSE},
        {"with blocking off a clear flag stays clear", 0, "", VARIANT_FALSE, VARIANT_FALSE},
        {"with blocking off a set flag stays set", 0, "", VARIANT_TRUE, VARIANT_TRUE},
    };
    for (const auto& row : rows) {
        main.Check1.setValue(row.blocking);
        windhover::AllowedSites = row.allowed;
        VARIANT_BOOL cancel = row.before;
        Row(std::string(row.name) + ": S_OK", static_cast<long>(NewWindow2(sink, &cancel)), static_cast<long>(S_OK));
        Row(std::string(row.name) + ": Cancel", std::string(Flag(cancel)), std::string(Flag(row.after)));
    }
    windhover::AllowedSites.clear();
    main.Check1.setValue(1);
    const int before = windhover::PopupsBlocked;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    NewWindow2(sink, &cancel);
    Row("a blocked popup is counted", windhover::PopupsBlocked, before + 1);

    page.fails = true;
    cancel = VARIANT_FALSE;
    NewWindow2(sink, &cancel);
    Row("a browser without an address leaves Cancel clear", std::string(Flag(cancel)), std::string("VARIANT_FALSE"));
    page.fails = false;
}

void LinkException(IDispatch* sink, Form1& main) {
    contract::Section("StatusTextChange and the link exception");
    main.Check1.setValue(1);
    main.Check6.setValue(1);
    Row("StatusTextChange answers S_OK", static_cast<long>(StatusTextChange(sink, L"HTTP://www.link.example/")),
        static_cast<long>(S_OK));
    Row("the text arrives as ANSI", windhover::LastStatusText, std::string("HTTP://www.link.example/"));
    VARIANT_BOOL cancel = VARIANT_FALSE;
    NewWindow2(sink, &cancel);
    Row("a popup under a link opens", std::string(Flag(cancel)), std::string("VARIANT_FALSE"));
    Row("and uses the allow-next switch up", windhover::AllowNextPopup, false);
    StatusTextChange(sink, L"http://");
    cancel = VARIANT_FALSE;
    NewWindow2(sink, &cancel);
    Row("the bare scheme is no link", std::string(Flag(cancel)), std::string("VARIANT_TRUE"));
    main.Check6.setValue(0);
}

void OtherCalls(IDispatch* sink) {
    contract::Section("other events and malformed calls");
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const DISPID others[] = {DISPID_BEFORENAVIGATE2, DISPID_DOCUMENTCOMPLETE, DISPID_ONQUIT, DISPID_TITLECHANGE};
    for (DISPID id : others)
        Row("event " + std::to_string(id) + " without arguments answers S_OK",
            static_cast<long>(sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr)),
            static_cast<long>(S_OK));
    Row("NewWindow2 without arguments is refused",
        static_cast<long>(
            sink->Invoke(DISPID_NEWWINDOW2, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr)),
        static_cast<long>(DISP_E_BADPARAMCOUNT));
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BOOL;
    args[0].boolVal = VARIANT_FALSE;
    DISPPARAMS byValue{args, nullptr, 2, 0};
    Row("NewWindow2 with Cancel by value is refused",
        static_cast<long>(
            sink->Invoke(DISPID_NEWWINDOW2, IID_NULL, 0, DISPATCH_METHOD, &byValue, nullptr, nullptr, nullptr)),
        static_cast<long>(DISP_E_TYPEMISMATCH));
}

}  // namespace

int main() {
    OleInitialize(nullptr);
    auto& main = forms::The<windhover::Form1>();
    auto page = std::make_shared<PageBrowser>();
    auto ie = windhover::IE_Class::Create();
    ie->IEctl(page);  // takes no sink: it is no COM browser
    IDispatch* sink = platform::win32::NewBrowserEventSink(ie->Events());

    Interfaces(sink);
    Decisions(sink, main, *page);
    LinkException(sink, main);
    OtherCalls(sink);

    ie.reset();
    VARIANT_BOOL cancel = VARIANT_TRUE;
    Row("a sink whose handler has gone leaves Cancel as it was", (NewWindow2(sink, &cancel), Flag(cancel)),
        std::string("VARIANT_TRUE"));
    sink->Release();
    std::printf("%d passed, %d failed\n", contract::passed, contract::failed);
    OleUninitialize();
    return contract::failed == 0 ? 0 : 1;
}
