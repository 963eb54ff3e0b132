// The windows of nightjar that the shared frame opens.
#include "frame/mod_skin.h"
#include "frame/program_windows.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_website.h"

forms::Form& MainWindow() { return forms::The<nightjar::frmMain>(); }
forms::Form& WebsiteWindow() { return forms::The<nightjar::frmWebsite>(); }
void ApplyProgramSkin(forms::Form& window) { modSkin::ApplySkin(window); }
