#pragma once
// nightjar's built-in browser window; for now it carries the home page in its caption.
#include "platform/forms/form.h"

namespace nightjar {

class frmWebsite : public forms::Form {
public:
    frmWebsite();
    void Form_Load();
};

}  // namespace nightjar
