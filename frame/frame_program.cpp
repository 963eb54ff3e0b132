// The running program's record the frame reaches its windows through, and the frame's start.
#include "frame/frame_program.h"

#include "frame/frm_splash.h"
#include "platform/error.h"
#include "platform/process_globals.h"

namespace {

[[noreturn]] void NoProgram() {
    throw platform::Error(platform::kErrInvalidProcedureCall, "No program has been handed to the frame.");
}

const FrameProgram kNoProgram{
    []() -> forms::Form& { NoProgram(); },
    []() -> forms::Form& { NoProgram(); },
    [](forms::Form&) { NoProgram(); },
};

}  // namespace

FrameProgram Program = kNoProgram;
static const platform::ResetAtStart resetProgram([] { Program = kNoProgram; });

WebsitePage WebsiteMode = WebsitePage::None;
static const platform::ResetAtStart resetWebsiteMode([] { WebsiteMode = WebsitePage::None; });

void StartProgram() { forms::The<frmSplash>().Show(); }
