#include "tests/frame/stub_program.h"

#include "frame/mod_skin.h"
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

void StubProgramTest::SetUp() {
    SimTest::SetUp();
    Program = {
        []() -> forms::Form& { return forms::The<StubMain>(); },
        []() -> forms::Form& { return forms::The<StubWebsite>(); },
        [](forms::Form& window) {
            ++skinApplications;
            modSkin::ApplySkin(window);
        },
    };
}
