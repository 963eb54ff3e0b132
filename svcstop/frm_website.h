#pragma once
// nightjar's built-in browser window: the home page in a web browser, with an
// address box, back, forward, stop and refresh buttons and a status bar.
#include <string>

#include "platform/forms/form.h"

namespace nightjar {

class frmWebsite : public forms::Form {
public:
    frmWebsite();

    // The frame "Browser" around every control but the status bar; the
    // controls inside it are placed relative to it.
    forms::Frame frmBrowser;
    forms::Label Label5;
    forms::TextBox Text1;
    forms::CommandButton Command3;
    forms::CommandButton Command4;
    forms::CommandButton Command5;
    forms::CommandButton Command6;
    forms::CommandButton Command7;  // the one element, index 1, of its array
    forms::WebBrowser WebBrowser1;
    forms::StatusBar StatusBar1;

    // A control's place inside frmBrowser.
    forms::Rect InFrame(const forms::Control& control) const;

    void Form_Load();
    void Form_Paint();
    void Form_Resize();
    void Form_Unload(int& Cancel);
    void Text1_KeyPress(int& KeyAscii);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click(int Index);
    void WebBrowser1_DownloadBegin();
    void WebBrowser1_DownloadComplete();
    void WebBrowser1_ProgressChange(long Progress, long ProgressMax);
    void WebBrowser1_StatusTextChange(const std::string& Text);

private:
    void LayoutBrowser();
    void PlaceInFrame(forms::Control& control, int left, int top, int width, int height);
};

}  // namespace nightjar
