// windhover's start: its windows handed to the frame, then the splash.
#include "blocker/form1.h"
#include "blocker/frm_website.h"
#include "frame/frame_program.h"
#include "frame/mod_skin.h"
#include "platform/program.h"

void platform::ProgramMain() {
    Program = {
        []() -> forms::Form& { return forms::The<windhover::Form1>(); },
        []() -> forms::Form& { return forms::The<windhover::frmWebsite>(); },
        modSkin::ApplySkin,
    };
    StartProgram();
}
