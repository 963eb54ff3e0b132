// The windows of windhover that the shared frame opens.
#include "blocker/form1.h"
#include "blocker/frm_website.h"
#include "frame/mod_skin.h"
#include "frame/program_windows.h"

forms::Form& MainWindow() { return forms::The<windhover::Form1>(); }
forms::Form& WebsiteWindow() { return forms::The<windhover::frmWebsite>(); }
void ApplyProgramSkin(forms::Form& window) { modSkin::ApplySkin(window); }
