#pragma once
// The DWebBrowserEvents2 sink, for the browser connection and for test
// programs that call its Invoke as a browser would.
#include <windows.h>
#include <ole2.h>

#include "platform/browser.h"

namespace platform::win32 {

// A new sink with one reference, calling the given handlers.
IDispatch* NewBrowserEventSink(browser::BrowserEvents events);

}  // namespace platform::win32
