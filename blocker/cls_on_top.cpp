// A window put into the topmost band or taken out of it.
#include "blocker/cls_on_top.h"

#include "frame/mod_on_top.h"

namespace windhover {

void clsOnTop::MakeNormal(const platform::Handle& hWnd) { modOnTop::SetWindowOnTop(hWnd, false); }

void clsOnTop::MakeTopMost(const platform::Handle& hWnd) { modOnTop::SetWindowOnTop(hWnd, true); }

}  // namespace windhover
