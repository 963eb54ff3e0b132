// nightjar's graphical buttons with the pictures its resource script builds
// in, the browser window's frame and its layout at paint, and the hidden
// picture buttons of the main window raising their clicks.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "svcstop/frm_startup.h"
#include "svcstop/frm_website.h"
#include "tests/svcstop/nightjar_test.h"

namespace {

namespace fs = std::filesystem;
namespace svc = platform::svc;

// The icon resources a resource script builds in, following its #include
// lines; an icon whose file is missing is left out, as the build would fail it.
void ReadIcons(const fs::path& script, std::set<std::string>& icons) {
    std::ifstream in(script);
    if (!in) throw std::runtime_error("no resource script " + script.string());
    static const std::regex include(R"re(^\s*#include\s+"([^"]+)")re");
    static const std::regex icon(R"re(^\s*(\w+)\s+ICON\s+"([^"]+)")re");
    const fs::path folder = fs::path(RESOURCES_DIR);
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, match, include))
            ReadIcons(folder / match[1].str(), icons);
        else if (std::regex_search(line, match, icon) && fs::exists(folder / match[2].str()))
            icons.insert(match[1].str());
    }
}

// nightjar started on a machine whose program carries exactly the icons of
// its resource script.
class PicturesTest : public NightjarTest {
protected:
    void SetUp() override {
        NightjarTest::SetUp();
        m().iconResources.clear();
        ReadIcons(fs::path(RESOURCES_DIR) / "nightjar.rc", m().iconResources);
        Start();
        ASSERT_TRUE(main().visible());
    }
    nightjar::frmWebsite& website() { return forms::The<nightjar::frmWebsite>(); }
    static platform::Handle Picture(const forms::Control& button) {
        const sim::Window* window = sim::FindWindow(button.hwnd());
        return window ? window->image : 0;
    }
    static void Post(const forms::Control& control, std::uint32_t message, std::uintptr_t wParam = 0) {
        sim::Post(sim::Message{control.hwnd(), message, wParam, 0});
    }
};

// Each button shows a picture of the program's while enabled and another,
// greyed, while disabled; a window loaded afresh shows them again.
TEST_F(PicturesTest, EveryGraphicalButtonShowsItsPictureAndAGreyedOneWhenDisabled) {
    auto& w = website();
    auto& m = main();
    struct Row {
        const char* name;
        forms::CommandButton& button;
    };
    const Row rows[] = {{"cmdStop", m.cmdStop},       {"cmdStart", m.cmdStart}, {"Command1", m.Command1},
                        {"cmdWebsite", m.cmdWebsite}, {"Command3", w.Command3}, {"Command4", w.Command4},
                        {"Command5", w.Command5},     {"Command6", w.Command6}, {"Command7", w.Command7}};
    for (int load = 1; load <= 2; ++load) {
        w.Show();
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + ", load " + std::to_string(load));
            const bool wasEnabled = row.button.enabled();
            row.button.setEnabled(true);
            const platform::Handle picture = Picture(row.button);
            EXPECT_NE(picture, 0u) << "no picture while enabled";
            row.button.setEnabled(false);
            EXPECT_NE(Picture(row.button), 0u) << "no picture while disabled";
            EXPECT_NE(Picture(row.button), picture) << "the same picture enabled and disabled";
            row.button.setEnabled(wasEnabled);
        }
        User([&] { w.userClose(); });
        ASSERT_FALSE(w.loaded());
    }
    // The state the program gives them: Messenger runs, so Allow is disabled.
    EXPECT_FALSE(m.cmdStart.enabled());
    EXPECT_NE(Picture(m.cmdStart), Picture(m.cmdStop));
    EXPECT_EQ(m.cmdStop.caption(), "Prevent Windows Popup Messages") << "the picture goes with the caption";
}

// Everything but the status bar lies inside the frame "Browser", at the
// design size and once the window is maximised.
TEST_F(PicturesTest, TheFrameBrowserEnclosesTheBrowserWindowsControls) {
    auto& w = website();
    w.Show();
    EXPECT_EQ(w.frmBrowser.caption(), "Browser");
    EXPECT_EQ(w.frmBrowser.fontName(), "Verdana");
    EXPECT_TRUE(w.frmBrowser.fontBold());
    EXPECT_NE(w.frmBrowser.hwnd(), 0u) << "a frame of its own, drawn";
    for (bool maximised : {true, false}) {
        SCOPED_TRACE(maximised ? "maximised" : "design size");
        if (!maximised) w.userResize(forms::WindowState::Normal, 10665, 9000);
        const forms::Rect frame = w.frmBrowser.bounds();
        for (const forms::Control* control : w.controls()) {
            if (control == &w.frmBrowser || control == &w.StatusBar1) continue;
            SCOPED_TRACE(control->name());
            const forms::Rect at = control->bounds();
            EXPECT_GE(at.left, frame.left);
            EXPECT_GE(at.top, frame.top);
            EXPECT_LE(at.left + at.width, frame.left + frame.width);
            EXPECT_LE(at.top + at.height, frame.top + frame.height);
        }
    }
}

// The window system asking for a paint lays the window out, as a resize does.
TEST_F(PicturesTest, APaintLaysTheBrowserWindowOut) {
    auto& w = website();
    w.Show();
    w.userResize(forms::WindowState::Normal, 12000, 9000);
    const forms::Rect text = w.Text1.bounds(), go = w.Command3.bounds(), page = w.WebBrowser1.bounds();
    w.Text1.setBounds(text.left, text.top, 100, text.height);
    w.Command3.setBounds(0, go.top, go.width, go.height);
    w.WebBrowser1.setBounds(page.left, page.top, 100, 100);
    w.StatusBar1.setPanelWidth(1, 0);

    User([&] { sim::Post(sim::Message{w.hwnd(), platform::msg::kPaint, 0, 0}); });
    EXPECT_EQ(w.Text1.bounds().width, text.width);
    EXPECT_EQ(w.Command3.bounds().left, go.left);
    EXPECT_EQ(w.WebBrowser1.bounds().width, page.width);
    EXPECT_EQ(w.WebBrowser1.bounds().height, page.height);
    EXPECT_EQ(w.StatusBar1.panel(1).width, 6000);
}

// cmdPause, cmdContinue and cmdStartup lie out of sight, but a click on one
// runs its command as a click on a visible button does.
TEST_F(PicturesTest, TheHiddenPictureButtonsRaiseTheirClicks) {
    auto& m = main();
    auto click = [&](forms::PictureBox& box) {
        User([&] {
            Post(box, platform::msg::kLButtonDown, 1);
            Post(box, platform::msg::kLButtonUp);
        });
    };

    p().answers = {sim::Answer(platform::kIdNo)};
    click(m.cmdPause);
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"Are you sure you want to pause the Messenger service?"});
    EXPECT_TRUE(Requests().empty()) << "answered No";

    p().answers = {sim::Answer(platform::kIdYes)};
    click(m.cmdPause);
    EXPECT_EQ(State("Messenger"), svc::kPaused);
    ASSERT_FALSE(m.cmdPause.enabled());
    click(m.cmdPause);
    EXPECT_EQ(p().messageBoxes.size(), 2u) << "a disabled box takes no click";

    click(m.cmdContinue);
    EXPECT_EQ(State("Messenger"), svc::kRunning);
    EXPECT_EQ(Requests(), (std::vector<std::string>{"Messenger:pause", "Messenger:continue"}));

    bool shown = false;
    p().userActions.push_back([&] {
        auto& properties = forms::The<nightjar::frmStartup>();
        shown = properties.visible();
        properties.cmdCancel.userClick();
    });
    click(m.cmdStartup);
    EXPECT_TRUE(shown) << "the properties window";
    EXPECT_FALSE(forms::The<nightjar::frmStartup>().loaded());

    // Let go without having pressed over it: no click.
    User([&] { Post(m.cmdPause, platform::msg::kLButtonUp); });
    EXPECT_EQ(p().messageBoxes.size(), 2u);
}

}  // namespace
