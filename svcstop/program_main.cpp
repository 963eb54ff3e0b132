// nightjar's start: its windows handed to the frame, then the splash.
#include "frame/frame_program.h"
#include "frame/mod_skin.h"
#include "platform/program.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_website.h"

void platform::ProgramMain() {
    Program = {
        []() -> forms::Form& { return forms::The<nightjar::frmMain>(); },
        []() -> forms::Form& { return forms::The<nightjar::frmWebsite>(); },
        modSkin::ApplySkinRetry,
    };
    StartProgram();
}
