// A stand-in program for the frame's own tests: a main window and a website
// window that count their loads.
#include "tests/frame/stub_program.h"

#include "frame/mod_skin.h"
#include "frame/program_windows.h"
#include "platform/process_globals.h"

StubMain::StubMain() : Form("StubMain") {
    design("Stub main", 4800, 3600);
    onLoad = [this] { ++loads; };
}

StubWebsite::StubWebsite() : Form("StubWebsite") {
    onLoad = [this] {
        ++loads;
        modeAtLoad = WebsiteMode;
    };
}

int skinApplications = 0;
static const platform::ResetAtStart resetSkinApplications([] { skinApplications = 0; });

forms::Form& MainWindow() { return forms::The<StubMain>(); }
forms::Form& WebsiteWindow() { return forms::The<StubWebsite>(); }
void ApplyProgramSkin(forms::Form& window) {
    ++skinApplications;
    modSkin::ApplySkin(window);
}
