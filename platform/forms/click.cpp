// The click of a control that only reports it.
#include "platform/forms/click.h"

#include "platform/forms/form.h"

namespace forms {

void RaiseClick(const Control& control, const std::function<void()>& onClick) {
    if (!control.enabled()) return;
    Dispatch([&onClick] {
        if (onClick) onClick();
    });
}

}  // namespace forms
