#pragma once
// The pictures of nightjar's graphical buttons: icon resources built into the
// program, each beside its greyed twin for the disabled button.
#include <string>

#include "platform/forms/command_button.h"

namespace nightjar {

inline forms::ButtonPictures Pictures(const std::string& name) { return {name, name + "GREY"}; }

}  // namespace nightjar
