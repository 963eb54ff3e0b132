#pragma once
// The setup-mode prompt: shows the site of a popup and asks whether to let
// it through or block it, once or for good.
#include "blocker/cls_on_top.h"
#include "platform/forms/form.h"

namespace windhover {

class Form3 : public forms::Form {
public:
    Form3();

    forms::Label Label3{*this, "Label3"};
    forms::TextBox Text1{*this, "Text1"};
    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton Command3{*this, "Command3"};
    forms::CommandButton Command4{*this, "Command4"};

    void Form_Load();
    void Form_Unload(int& Cancel);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    // Puts the site in the box on a list for good; a failure is shown to the
    // user and the answer still goes to the popup.
    void AddForGood(void (*add)(const std::string&), void (*save)());
    void Answer(bool allowed);

    clsOnTop onTop;
};

}  // namespace windhover
