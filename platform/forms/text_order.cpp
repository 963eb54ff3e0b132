// The order of texts in sorted lists and the matching of list keys, ignoring ASCII case.
#include "platform/forms/text_order.h"

#include "platform/text_fold.h"

namespace forms {

bool LessIgnoringCase(const std::string& a, const std::string& b) { return platform::LessFolded(a, b); }

bool EqualIgnoringCase(const std::string& a, const std::string& b) { return platform::EqualFolded(a, b); }

}  // namespace forms
