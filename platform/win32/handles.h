#pragma once
// Conversions between the portable handle values and the Win32 handle types.
#include <windows.h>

#include "platform/types.h"

namespace platform::win32 {

template <class H>
H To(Handle handle) {
    return reinterpret_cast<H>(handle);
}

template <class H>
Handle From(H handle) {
    return reinterpret_cast<Handle>(handle);
}

}  // namespace platform::win32
