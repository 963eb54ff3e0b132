#pragma once
// The start-up window: loads the product identity, counts 75 ticks of its
// timer, then loads and shows the main window and hides itself.
#include <cstdint>

#include "platform/forms/form.h"

class frmSplash : public forms::Form {
public:
    frmSplash();

    forms::PictureBox Image1{*this, "Image1", {.bounds = {0, 0, 6000, 3600}}, "SPLASH"};
    forms::Label Label3{*this, "Label3"};
    forms::Timer Timer2{*this, "Timer2", {.interval = 2, .enabled = false}};

    void Form_Load();
    void Timer2_Timer();

    std::int16_t intTemp = 0;
};
