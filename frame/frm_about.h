#pragma once
// The about box: product, company, version and home page of the program.
#include "platform/forms/form.h"

class frmAbout : public forms::Form {
public:
    frmAbout();

    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label lblVersion{*this, "lblVersion"};
    forms::Label lblCompany{*this, "lblCompany"};
    forms::Label lblWebsite{*this, "lblWebsite"};
    forms::Label Label5{*this, "Label5"};
    forms::PictureBox Picture1{*this, "Picture1"};

    void Form_Load();
    void lblWebsite_Click();
};
