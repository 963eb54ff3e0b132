#pragma once
#include <string>

#include "platform/forms/form.h"

struct StubMain : forms::Form {
    StubMain();
    int loads = 0;
};

struct StubWebsite : forms::Form {
    StubWebsite();
    int loads = 0;
    std::string modeAtLoad;
};

// How often a frame window asked for the program's skin.
extern int skinApplications;
