#pragma once
// The about box: product, company, version and home page of the program.
#include "platform/forms/form.h"

class frmAbout : public forms::Form {
public:
    frmAbout();

    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    forms::Label Label4;
    forms::Label lblVersion;
    forms::Label lblCompany;
    forms::Label lblWebsite;
    forms::Label Label5;
    forms::PictureBox Picture1;

    void Form_Load();
    void lblWebsite_Click();
};
