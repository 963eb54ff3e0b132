#pragma once
// The few shapes the windows' designs take, so that a form's constructor
// reads as its list of controls: where each stands, its caption and tip.
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A control at `bounds` (twips, on the form) in the system font.
ControlDesign At(Rect bounds, std::string caption = {}, std::string toolTip = {});
// The same in Verdana, the face most of the programs' windows use.
ControlDesign Verdana(Rect bounds, std::string caption = {}, std::string toolTip = {});
// The design in bold.
ControlDesign Bold(ControlDesign design);
// A control that the window never shows.
ControlDesign Hidden(Rect bounds);
// A rectangle given from the top left of a group (a frame), placed on the form.
Rect Within(const Rect& group, Rect relative);

}  // namespace forms
