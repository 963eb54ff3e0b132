#pragma once
// Puts a window into the topmost band or takes it out, without moving or
// sizing it.
#include "platform/types.h"

namespace windhover {

class clsOnTop {
public:
    void MakeNormal(const platform::Handle& hWnd);
    void MakeTopMost(const platform::Handle& hWnd);
};

}  // namespace windhover
