// nightjar's built-in browser window on the simulated browser: the one
// navigation of each load, the address box and buttons, the download events,
// the layout, and the program's end when it is the last window.
#include <cmath>

#include "frame/frm_about.h"
#include "frame/frame_program.h"
#include "platform/program.h"
#include "platform/sim/web_browser.h"
#include "platform/window.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_website.h"
#include "tests/svcstop/nightjar_test.h"

namespace {

constexpr char kHome[] = "www.quillmere.example";

class WebsiteTest : public NightjarTest {
protected:
    void SetUp() override {
        NightjarTest::SetUp();
        Start();
    }
    nightjar::frmWebsite& website() { return forms::The<nightjar::frmWebsite>(); }
    sim::Browser& browser() {
        sim::Browser* found = sim::BrowserOf(website().WebBrowser1);
        if (!found) throw std::runtime_error("the website window has no browser");
        return *found;
    }
    // As the user does it: About, then the home page in the about box.
    void OpenFromAbout() {
        main().mnuAboutItem0.userClick();
        forms::The<frmAbout>().lblWebsite.userClick();
    }
    // The topmost changes SetWindowPos made to the window, in order.
    std::vector<platform::Handle> TopmostChanges(platform::Handle window) {
        std::vector<platform::Handle> order;
        for (const auto& call : sim::Journal<sim::SetWindowPosCall>())
            if (call.window == window) order.push_back(call.insertAfter);
        return order;
    }
};

TEST_F(WebsiteTest, LoadNavigatesOnceToTheHomePageAndEndsMaximisedAndNotTopmost) {
    OpenFromAbout();
    ASSERT_TRUE(website().visible());
    EXPECT_EQ(browser().navigations(), std::vector<std::string>{kHome}) << "the address as stored, no scheme added";
    EXPECT_EQ(website().caption(), kHome);
    EXPECT_EQ(website().windowState(), forms::WindowState::Maximized);
    EXPECT_EQ(website().StatusBar1.panelCount(), 2);
    EXPECT_EQ(WebsiteMode, WebsitePage::HomePage);
    EXPECT_EQ(TopmostChanges(website().hwnd()),
              (std::vector<platform::Handle>{platform::window::kHwndTopmost, platform::window::kHwndNoTopmost}));
    EXPECT_FALSE(Topmost(website().hwnd()));
    EXPECT_TRUE(p().messageBoxes.empty());

    forms::The<frmAbout>().lblWebsite.userClick();
    main().mnuAboutItem0.userClick();
    website().Show();
    EXPECT_EQ(browser().navigations().size(), 1u) << "opening it while loaded only shows it";
}

TEST_F(WebsiteTest, ClosingAndOpeningAgainLoadsAndNavigatesAfresh) {
    OpenFromAbout();
    browser().Arrive("Quillmere");
    sim::AsUser([&] { website().userClose(); });
    EXPECT_FALSE(website().loaded());
    EXPECT_FALSE(p().ended) << "the main window is still there";
    EXPECT_TRUE(main().visible());

    website().Show();
    EXPECT_EQ(browser().navigations(), std::vector<std::string>{kHome});
    EXPECT_EQ(website().caption(), kHome);
    EXPECT_EQ(website().StatusBar1.panelCount(), 2) << "the design's one panel plus the load's";
    EXPECT_EQ(website().Text1.text(), "");
}

TEST_F(WebsiteTest, DownloadsShowInTheStatusBarAddressBoxAndCaption) {
    OpenFromAbout();
    auto& w = website();
    browser().Arrive("Quillmere home", "http://www.quillmere.example/welcome.html");  // redirected
    EXPECT_EQ(w.StatusBar1.panel(2).text, "Completed http://www.quillmere.example/welcome.html");
    EXPECT_EQ(w.Text1.text(), "http://www.quillmere.example/welcome.html");
    EXPECT_EQ(w.caption(), "Quillmere home");

    w.WebBrowser1.raiseDownloadBegin();
    EXPECT_EQ(w.StatusBar1.panel(2).text, "Opening http://www.quillmere.example/welcome.html");
    browser().StatusText("Done");
    EXPECT_EQ(w.StatusBar1.panel(1).text, "Done");
    browser().Progress(50, 100);
    EXPECT_EQ(w.StatusBar1.panel(1).text, "Done");
    EXPECT_EQ(w.caption(), "Quillmere home") << "progress changes nothing";
}

TEST_F(WebsiteTest, APageWithoutATitleNamesTheWindowByItsAddress) {
    OpenFromAbout();
    browser().Arrive("", "http://www.quillmere.example/");
    EXPECT_EQ(website().caption(), "http://www.quillmere.example/");
}

TEST_F(WebsiteTest, EnterInTheAddressBoxGoesToWhatWasTypedAndIsNotSwallowed) {
    OpenFromAbout();
    auto& w = website();
    w.Text1.userType("example.org/page");
    EXPECT_EQ(w.Text1.userKeyPress('a'), 'a');
    EXPECT_EQ(browser().navigations().size(), 1u) << "other keys type normally";
    EXPECT_EQ(w.Text1.userKeyPress(13), 13) << "Enter goes on to the box";
    EXPECT_EQ(browser().navigations().back(), "example.org/page") << "used as typed";
    w.Command3.userClick();
    EXPECT_EQ(browser().navigations().size(), 3u);
}

TEST_F(WebsiteTest, BackForwardStopAndRefreshIgnoreTheBrowsersRefusal) {
    OpenFromAbout();
    auto& w = website();
    w.Command4.userClick();
    w.Command5.userClick();
    w.Command6.userClick();
    w.Command7.userClick();
    EXPECT_EQ(browser().calls,
              (std::vector<std::string>{"Navigate www.quillmere.example", "GoBack", "GoForward", "Stop", "Refresh"}));
    EXPECT_TRUE(p().messageBoxes.empty()) << "no history: nothing happens and nothing is said";
    EXPECT_EQ(w.caption(), kHome);

    browser().Arrive("Home", "http://a.example/");
    w.Text1.userType("b.example");
    w.Command3.userClick();
    browser().Arrive("B", "http://b.example/");
    w.Command4.userClick();
    EXPECT_EQ(w.Text1.text(), "http://a.example/");
    EXPECT_EQ(w.caption(), "Home");
    w.Command5.userClick();
    EXPECT_EQ(w.caption(), "B");
    w.Command5.userClick();
    EXPECT_EQ(w.caption(), "B");
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(WebsiteTest, AnAddressTheBrowserRefusesIsReportedAndTheWindowStays) {
    OpenFromAbout();
    sim::RefusedAddresses().push_back("::bad::");
    website().Text1.userType("::bad::");
    website().Command3.userClick();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("::bad::"), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_TRUE(website().visible());
    EXPECT_EQ(website().Text1.text(), "::bad::") << "what the user typed stays";
}

// The layout is worked out from the window's outer size alone.
TEST_F(WebsiteTest, LayoutFollowsTheWindowAndNeverGivesANegativeSize) {
    OpenFromAbout();
    auto& w = website();
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{10665, 9000}, Case{20000, 15000}, Case{200, 100}, Case{301, 1200}, Case{0, 0}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        w.userResize(forms::WindowState::Normal, c.width, c.height);
        const auto half = static_cast<int>(std::lround(std::fabs(c.width / 2.0f)));
        EXPECT_EQ(w.StatusBar1.panel(1).width, half);
        EXPECT_EQ(w.StatusBar1.panel(2).width, half);
        const forms::Rect frame = w.frmBrowser.bounds();
        EXPECT_EQ(frame.width, std::abs(c.width - 300));
        EXPECT_EQ(frame.height, std::abs(c.height - 315));
        const forms::Rect text = w.InFrame(w.Text1), go = w.InFrame(w.Command3), page = w.InFrame(w.WebBrowser1);
        EXPECT_EQ(text.width, std::abs(frame.width - 540 - 300 - 795));
        EXPECT_EQ(go.left, text.width + 540 + 100);
        EXPECT_EQ(page.width, std::abs(frame.width - 120 - 100));
        EXPECT_EQ(page.height, std::abs(frame.height - 1140 - 800 - 315));
        EXPECT_EQ(text.left, 540) << "positions stay as designed";
        EXPECT_EQ(page.top, 1140);
        EXPECT_EQ(frame.left, 60);
        EXPECT_EQ(frame.top, 0);
        if (c.width >= 1935 + 300) {
            EXPECT_EQ(go.left + go.width, frame.width - 200);
        }
    }
}

TEST_F(WebsiteTest, AHomePageTheBrowserRefusesIsReportedAndTheWindowStillOpensAsAnOrdinaryWindow) {
    sim::RefusedAddresses().push_back(kHome);
    OpenFromAbout();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find(kHome), std::string::npos) << p().messageBoxes[0].text;
    ASSERT_TRUE(website().visible());
    EXPECT_EQ(website().windowState(), forms::WindowState::Maximized);
    EXPECT_FALSE(Topmost(website().hwnd())) << "not left above every other window";
    EXPECT_EQ(WebsiteMode, WebsitePage::HomePage);

    sim::RefusedAddresses().clear();
    website().Text1.userType("http://www.quillmere.example/");
    website().Command3.userClick();
    EXPECT_EQ(browser().navigations().back(), "http://www.quillmere.example/") << "another address can be tried";
}

TEST_F(WebsiteTest, TheProgramEndsWhenTheWebsiteWindowClosesAfterTheMainWindow) {
    OpenFromAbout();
    sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    EXPECT_FALSE(main().loaded());
    EXPECT_FALSE(p().ended) << "the website window is still open";
    EXPECT_TRUE(website().visible());
    sim::AsUser([&] { website().userClose(); });
    EXPECT_TRUE(p().ended) << "no window left, so no program either";
}

}  // namespace
