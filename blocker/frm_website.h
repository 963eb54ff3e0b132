#pragma once
// Hands the home page to the default browser and unloads itself a second later.
#include "platform/forms/form.h"

namespace windhover {

class frmWebsite : public forms::Form {
public:
    frmWebsite();

    forms::Timer Timer1{*this, "Timer1", {.interval = 1000}};

    void Form_Load();
    void Form_Unload(int& Cancel);
    void Timer1_Timer();
};

}  // namespace windhover
