#pragma once
// The order of texts in sorted lists and the matching of list keys: ASCII
// letters compared without regard to case, as the system's list controls sort.
#include <string>

namespace forms {

bool LessIgnoringCase(const std::string& a, const std::string& b);
bool EqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace forms
