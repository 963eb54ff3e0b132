#include "frame/frm_splash.h"
#include "platform/program.h"

// Both programs start with the splash window.
void platform::ProgramMain() { forms::The<frmSplash>().Show(); }
