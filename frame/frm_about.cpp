#include "frame/frm_about.h"

#include "frame/product_info.h"
#include "frame/program_windows.h"
#include "platform/version.h"

frmAbout::frmAbout() : Form("frmAbout") {
    design("", 5400, 3900, forms::BorderStyle::FixedDialog);
    setButtons(false, false);
    setCentred(true);
    Picture1.setBounds(240, 240, 480, 480);
    Picture1.setPicture("LOGO");
    const struct {
        forms::Label& label;
        const char* text;
        int left, top, width;
        bool bold;
    } layout[] = {
        {Label1, "Your Program Name", 960, 240, 4200, true},
        {Label2, "Version:", 960, 840, 1200, false},
        {Label3, "Owned By:", 960, 1140, 1200, false},
        {Label4, "Website:", 960, 1440, 1200, false},
        {lblVersion, "Version:", 2280, 840, 2880, false},
        {lblCompany, "Owned By:", 2280, 1140, 2880, false},
        {lblWebsite, "Website:", 2280, 1440, 2880, false},
        {Label5, "This program is free to use. It comes with no warranty of any kind.", 240, 2040, 4920, false},
    };
    for (const auto& row : layout) {
        row.label.setCaption(row.text);
        row.label.setBounds(row.left, row.top, row.width, &row == &layout[7] ? 900 : 285);
        row.label.setFont("Verdana", row.bold ? 12 : 8.25, row.bold);
    }
    lblWebsite.setForeColor(0x00FF0000);  // blue, as a link
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
    if (ProductInfo.SkinsEnabled) ApplyProgramSkin(*this);
}

void frmAbout::lblWebsite_Click() {
    WebsiteMode = "Website";
    WebsiteWindow().Show();
}
