// nightjar's built-in browser window.
#include "svcstop/frm_website.h"

#include <cmath>

#include "frame/frame_program.h"
#include "frame/mod_on_top.h"
#include "frame/product_info.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/forms/design.h"
#include "platform/program.h"
#include "svcstop/button_pictures.h"

namespace nightjar {

namespace {

constexpr forms::Rect kFrame{60, 0, 6375, 7215};

// A size the layout gives: never negative, in whole twips.
int Size(float twips) { return static_cast<int>(std::lround(std::fabs(twips))); }

// Runs a browser step whose failure changes nothing the user must hear of.
template <class Step>
void IgnoringErrors(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

frmWebsite::frmWebsite()
    : Form("frmWebsite"),
      frmBrowser(*this, "frmBrowser", forms::Bold(forms::Verdana(kFrame, "Browser"))),
      Label5(*this, "Label5", forms::At(forms::Within(kFrame, {120, 300, 1215, 255}), "URL:")),
      Text1(*this, "Text1", forms::At(forms::Within(kFrame, {540, 240, 4875, 315}))),
      Command3(*this, "Command3", forms::At(forms::Within(kFrame, {5460, 240, 795, 315}), "", "browse the entered url"),
               Pictures("NAVGO")),
      Command4(*this, "Command4", forms::At(forms::Within(kFrame, {540, 600, 435, 435}), "", "back"),
               Pictures("NAVBACK")),
      Command5(*this, "Command5", forms::At(forms::Within(kFrame, {1020, 600, 435, 435}), "", "forward"),
               Pictures("NAVFORWARD")),
      Command6(*this, "Command6", forms::At(forms::Within(kFrame, {1500, 600, 435, 435}), "", "stop"),
               Pictures("NAVSTOP")),
      Command7(*this, "Command7", forms::At(forms::Within(kFrame, {1980, 600, 435, 435}), "", "refresh"),
               Pictures("NAVREFRESH")),
      WebBrowser1(*this, "WebBrowser1", forms::At(forms::Within(kFrame, {120, 1140, 6135, 5595}))),
      StatusBar1(*this, "StatusBar1", {.bounds = {0, 8265, 10545, 315}}) {
    design("", 10665, 9000);
    onLoad = [this] { Form_Load(); };
    onPaint = [this] { Form_Paint(); };
    onResize = [this] { Form_Resize(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    Text1.onKeyPress = [this](int& key) { Text1_KeyPress(key); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(1); };
    WebBrowser1.onDownloadBegin = [this] { WebBrowser1_DownloadBegin(); };
    WebBrowser1.onDownloadComplete = [this] { WebBrowser1_DownloadComplete(); };
    WebBrowser1.onProgressChange = [this](long progress, long progressMax) {
        WebBrowser1_ProgressChange(progress, progressMax);
    };
    WebBrowser1.onStatusTextChange = [this](const std::string& text) { WebBrowser1_StatusTextChange(text); };
}

forms::Rect frmWebsite::InFrame(const forms::Control& control) const {
    const forms::Rect& at = control.bounds();
    const forms::Rect& frame = frmBrowser.bounds();
    return {at.left - frame.left, at.top - frame.top, at.width, at.height};
}

void frmWebsite::PlaceInFrame(forms::Control& control, int left, int top, int width, int height) {
    const forms::Rect& frame = frmBrowser.bounds();
    control.setBounds(frame.left + left, frame.top + top, width, height);
}

void frmWebsite::Form_Load() {
    modProductInfo::LoadProductInfo();
    StatusBar1.addPanel();
    setCaption(ProductInfo.HomePage);
    modOnTop::SetFormOnTop(*this, true);
    if (ProductInfo.SkinsEnabled) Program.applySkin(*this);
    // A home page the browser refuses is reported, and the window still
    // opens as an ordinary window, ready for another address.
    try {
        WebBrowser1.Navigate(ProductInfo.HomePage);
    } catch (const platform::Error& e) {
        platform::MessageBox("Error " + std::to_string(e.number()) + ": " + e.what(),
                             platform::kMbOk | platform::kMbIconError);
    }
    setWindowState(forms::WindowState::Maximized);
    WebsiteMode = WebsitePage::HomePage;
    modOnTop::SetFormOnTop(*this, false);
}

void frmWebsite::Form_Paint() { LayoutBrowser(); }

void frmWebsite::Form_Resize() { LayoutBrowser(); }

// The window closes and the program goes on, unless the main window has
// already gone: then this was the last window, and the program ends with it.
void frmWebsite::Form_Unload(int&) {
    if (!Program.mainWindow().loaded()) platform::EndProgram();
}

void frmWebsite::Text1_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) Command3_Click();
}

void frmWebsite::Command3_Click() { WebBrowser1.Navigate(Text1.text()); }

void frmWebsite::Command4_Click() {
    IgnoringErrors([this] { WebBrowser1.GoBack(); });
}

void frmWebsite::Command5_Click() {
    IgnoringErrors([this] { WebBrowser1.GoForward(); });
}

void frmWebsite::Command6_Click() {
    IgnoringErrors([this] { WebBrowser1.Stop(); });
}

void frmWebsite::Command7_Click(int) {
    IgnoringErrors([this] { WebBrowser1.Refresh(); });
}

void frmWebsite::WebBrowser1_DownloadBegin() { StatusBar1.setPanelText(2, "Opening " + WebBrowser1.locationURL()); }

void frmWebsite::WebBrowser1_DownloadComplete() {
    StatusBar1.setPanelText(2, "Completed " + WebBrowser1.locationURL());
    Text1.setText(WebBrowser1.locationURL());
    // A page without a title is named by its address: the window never
    // loses its caption.
    const std::string title = WebBrowser1.locationName();
    setCaption(title.empty() ? WebBrowser1.locationURL() : title);
}

void frmWebsite::WebBrowser1_ProgressChange(long, long) {}

void frmWebsite::WebBrowser1_StatusTextChange(const std::string& Text) { StatusBar1.setPanelText(1, Text); }

// Sizes in twips, worked in single precision; every size is taken as its
// absolute value, so that a very small window gives no negative size.
void frmWebsite::LayoutBrowser() {
    const float formWidth = static_cast<float>(bounds().width);
    const float formHeight = static_cast<float>(bounds().height);
    const float barHeight = static_cast<float>(StatusBar1.bounds().height);
    StatusBar1.setPanelWidth(1, Size(formWidth / 2));
    StatusBar1.setPanelWidth(2, Size(formWidth / 2));
    const forms::Rect& frame = frmBrowser.bounds();
    frmBrowser.setBounds(frame.left, frame.top, Size(formWidth - 300), Size(formHeight - barHeight));

    const forms::Rect text = InFrame(Text1);
    const forms::Rect go = InFrame(Command3);
    const int textWidth = Size(static_cast<float>(frame.width - text.left - 300 - go.width));
    PlaceInFrame(Text1, text.left, text.top, textWidth, text.height);
    PlaceInFrame(Command3, textWidth + text.left + 100, go.top, go.width, go.height);

    const forms::Rect page = InFrame(WebBrowser1);
    PlaceInFrame(WebBrowser1, page.left, page.top, Size(static_cast<float>(frame.width - page.left - 100)),
                 Size(static_cast<float>(frame.height - page.top - 800) - barHeight));
}

}  // namespace nightjar
