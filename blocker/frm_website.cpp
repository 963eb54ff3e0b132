// windhover's website window: the home page handed to the default browser.
#include "blocker/frm_website.h"

#include "blocker/shared_state.h"
#include "frame/guard.h"
#include "frame/product_info.h"
#include "frame/frame_program.h"
#include "frame/text_compare.h"
#include "platform/program.h"
#include "platform/shell.h"

namespace windhover {

frmWebsite::frmWebsite() : Form("frmWebsite") {
    design("Form5", 3000, 1500);
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void frmWebsite::Form_Load() {
    modProductInfo::LoadProductInfo();
    if (WebsiteMode != WebsitePage::HomePage) return;
    std::string address = ProductInfo.HomePage;
    if (!ContainsNoCase(address, "http://") && !ContainsNoCase(address, "https://")) address = "http://" + address;
    platform::shell::Execute(address, "", "", platform::shell::kSwShowNormal);
    WebsiteMode = WebsitePage::None;
}

// The main window's unload leaves the end of the program to this window while
// it shows: the program ends as it closes, once the main window has gone.
void frmWebsite::Form_Unload(int&) {
    if (ExitWhenWebsiteCloses) platform::EndProgram();
}

void frmWebsite::Timer1_Timer() {
    SkipOnError([this] { Unload(); });
}

}  // namespace windhover
