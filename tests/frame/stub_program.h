#pragma once
// A stand-in program for the frame's own tests: a main window and a website
// window that count their loads, handed to the frame as a program hands its
// own at start.
#include <string>

#include "frame/frame_program.h"
#include "platform/forms/form.h"
#include "tests/support/sim_test.h"

struct StubMain : forms::Form {
    StubMain();
    int loads = 0;
};

struct StubWebsite : forms::Form {
    StubWebsite();
    int loads = 0;
    WebsitePage modeAtLoad = WebsitePage::None;
};

// How often a frame window asked for the program's skin.
extern int skinApplications;

// A fresh machine with the stand-in program's record handed to the frame.
class StubProgramTest : public SimTest {
protected:
    void SetUp() override;
};
