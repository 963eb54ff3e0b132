#pragma once
// The help window: Help.rtf from the program folder, on top of other windows,
// with the box that decides whether windhover shows it at every start.
#include "platform/forms/form.h"

class Form8 : public forms::Form {
public:
    Form8();

    forms::RichTextBox rtf1;
    forms::CheckBox Check1;

    void Form_Load();
    void Check1_Click();

    static const char* const kHelpFile;
};
