#pragma once
// The design values of a window's command buttons, as one table.
#include <initializer_list>

#include "platform/forms/controls.h"

namespace windhover {

struct ButtonDesign {
    forms::CommandButton& button;
    const char* caption;
    const char* toolTip;
    int left, top;
};

inline void DesignButtons(std::initializer_list<ButtonDesign> buttons, int width, int height) {
    for (const auto& b : buttons) {
        b.button.setCaption(b.caption);
        b.button.setToolTip(b.toolTip);
        b.button.setBounds(b.left, b.top, width, height);
    }
}

}  // namespace windhover
