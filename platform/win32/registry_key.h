#pragma once
// Our registry handles as the system's HKEY values.
#include <windows.h>

#include "platform/registry.h"

namespace platform::win32 {

// The predefined roots are sign-extended in the system's headers
// ((HKEY)(ULONG_PTR)(LONG)0x80000001): on a 64-bit build a plain cast of our
// 0x80000001 would name no key at all, so the roots are mapped one by one.
HKEY NativeKey(reg::Key key);

}  // namespace platform::win32
