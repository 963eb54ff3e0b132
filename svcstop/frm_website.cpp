#include "svcstop/frm_website.h"

#include "frame/product_info.h"
#include "frame/program_windows.h"

namespace nightjar {

frmWebsite::frmWebsite() : Form("frmWebsite") {
    design("", 10665, 9000);
    onLoad = [this] { Form_Load(); };
}

void frmWebsite::Form_Load() {
    modProductInfo::LoadProductInfo();
    WebsiteMode = "Website";
    setCaption(ProductInfo.HomePage);
}

}  // namespace nightjar
