// The few shapes the windows' designs take: a place with caption and tip, Verdana, bold, hidden,
// and a place within a group.
#include "platform/forms/design.h"

#include <utility>

namespace forms {

ControlDesign At(Rect bounds, std::string caption, std::string toolTip) {
    return {.caption = std::move(caption), .bounds = bounds, .toolTip = std::move(toolTip)};
}

ControlDesign Verdana(Rect bounds, std::string caption, std::string toolTip) {
    ControlDesign design = At(bounds, std::move(caption), std::move(toolTip));
    design.fontName = "Verdana";
    return design;
}

ControlDesign Bold(ControlDesign design) {
    design.fontBold = true;
    return design;
}

ControlDesign Hidden(Rect bounds) {
    ControlDesign design = At(bounds);
    design.visible = false;
    return design;
}

Rect Within(const Rect& group, Rect relative) {
    relative.left += group.left;
    relative.top += group.top;
    return relative;
}

}  // namespace forms
