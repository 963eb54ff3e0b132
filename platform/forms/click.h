#pragma once
// The click of a control that only reports it: runs onClick through the
// dispatcher while the control is enabled.
#include <functional>

#include "platform/forms/control.h"

namespace forms {

void RaiseClick(const Control& control, const std::function<void()>& onClick);

}  // namespace forms
