// The about box.
#include "frame/frm_about.h"

#include "frame/frame_program.h"
#include "frame/product_info.h"
#include "platform/forms/design.h"
#include "platform/version.h"

namespace {

// A label of the box: Verdana, one line high unless told.
forms::ControlDesign Text(const char* caption, forms::Rect bounds, bool bold = false,
                          std::uint32_t color = forms::kSystemColor) {
    if (bounds.height == 0) bounds.height = 285;
    forms::ControlDesign design = forms::Verdana(bounds, caption);
    design.foreColor = color;
    if (!bold) return design;
    design.fontSize = 12;
    return forms::Bold(design);
}

constexpr std::uint32_t kLinkBlue = 0x00FF0000;

}  // namespace

frmAbout::frmAbout()
    : Form("frmAbout"),
      Label1(*this, "Label1", Text("Your Program Name", {960, 240, 4200}, true)),
      Label2(*this, "Label2", Text("Version:", {960, 840, 1200})),
      Label3(*this, "Label3", Text("Owned By:", {960, 1140, 1200})),
      Label4(*this, "Label4", Text("Website:", {960, 1440, 1200})),
      lblVersion(*this, "lblVersion", Text("Version:", {2280, 840, 2880})),
      lblCompany(*this, "lblCompany", Text("Owned By:", {2280, 1140, 2880})),
      lblWebsite(*this, "lblWebsite", Text("Website:", {2280, 1440, 2880}, false, kLinkBlue)),
      Label5(*this, "Label5",
             Text("This program is free to use. It comes with no warranty of any kind.", {240, 2040, 4920, 900})),
      Picture1(*this, "Picture1", {.bounds = {240, 240, 480, 480}}, "LOGO") {
    design("", 5400, 3900, forms::BorderStyle::FixedDialog);
    setButtons(false, false);
    setCentred(true);
    onLoad = [this] { Form_Load(); };
    lblWebsite.onClick = [this] { lblWebsite_Click(); };
}

void frmAbout::Form_Load() {
    const platform::version::ProductVersion version = platform::version::OwnVersion();
    setCaption("About " + ProductInfo.ProductName);
    Label1.setCaption(version.productName);
    lblCompany.setCaption(version.companyName);
    lblVersion.setCaption(std::to_string(version.major) + "." + std::to_string(version.minor));
    lblWebsite.setCaption(version.comments);
    if (ProductInfo.SkinsEnabled) Program.applySkin(*this);
}

void frmAbout::lblWebsite_Click() {
    WebsiteMode = WebsitePage::HomePage;
    Program.websiteWindow().Show();
}
