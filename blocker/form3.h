#pragma once
// The setup-mode prompt: shows the site of a popup and asks whether to let
// it through or block it, once or for good.
#include "blocker/cls_on_top.h"
#include "platform/forms/form.h"

namespace windhover {

class Form3 : public forms::Form {
public:
    Form3();

    forms::Label Label3{*this, "Label3", {.caption = "Current Site:", .bounds = {120, 180, 1095, 255}}};
    forms::TextBox Text1{*this, "Text1", {.bounds = {1260, 120, 4215, 315}}};
    forms::Label Label1{
        *this,
        "Label1",
        {.caption = "While in setup mode you can choose to allow or block new windows from certain sites.  Chosing "
                    "either \"Always\" option will prevent you from seeing this prompt again for the current site, "
                    "and add it to your allowed or disallowed list.",
         .bounds = {120, 600, 5355, 975}}};
    forms::CommandButton Command1{
        *this,
        "Command1",
        {.caption = "Allow Always",
         .bounds = {120, 1740, 2595, 435},
         .toolTip = "allow this site to display popups.  you will not see this window again for this site."}};
    forms::CommandButton Command2{
        *this,
        "Command2",
        {.caption = "Block Always",
         .bounds = {2880, 1740, 2595, 435},
         .toolTip = "prevents this site from displaying popups.  you will not see this window again for this site."}};
    forms::CommandButton Command3{*this,
                                  "Command3",
                                  {.caption = "Allow Now",
                                   .bounds = {120, 2280, 2595, 435},
                                   .toolTip = "ignore this prompt for now.  this window will be displayed the next "
                                              "time a popup window appears."}};
    forms::CommandButton Command4{*this, "Command4", {.caption = "Block Now", .bounds = {2880, 2280, 2595, 435}}};

    void Form_Load();
    void Form_Unload(int& Cancel);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    // Puts the site in the box on a list for good; a failure is shown to the
    // user and the answer still goes to the popup.
    void AddForGood(void (*add)(const std::string&));
    void Answer(bool allowed);

    clsOnTop onTop;
};

}  // namespace windhover
