// The forms layer's web browser kind, the text box's KeyPress and the
// window system's resizes.
#include "platform/error.h"
#include "platform/sim/web_browser.h"
#include "tests/support/sim_test.h"

namespace {

struct Page : forms::Form {
    Page() : Form("Page") {
        design("", 4800, 3600);
        onResize = [this] { ++resizes; };
        browser.onDownloadComplete = [this] {
            ++completes;
            throw platform::Error(5, "Invalid procedure call");
        };
        address.onKeyPress = [this](int& key) {
            if (key == 'x') key = 0;
            if (key == 'a') key = 'A';
        };
    }
    forms::WebBrowser browser{*this, "browser", {.bounds = {0, 0, 4000, 3000}}};
    forms::TextBox address{*this, "address"};
    int resizes = 0, completes = 0;
};

class BrowserKeysResizeTest : public SimTest {
protected:
    Page& page() { return forms::The<Page>(); }
};

TEST_F(BrowserKeysResizeTest, WithoutALoadedFormTheBrowserDoesNothing) {
    EXPECT_NO_THROW(page().browser.Navigate("a.example"));
    EXPECT_NO_THROW(page().browser.GoBack());
    EXPECT_EQ(page().browser.locationURL(), "");
    EXPECT_EQ(sim::BrowserOf(page().browser), nullptr);
    page().Show();
    ASSERT_NE(sim::BrowserOf(page().browser), nullptr);
    EXPECT_TRUE(sim::BrowserOf(page().browser)->calls.empty()) << "nothing asked before the load reaches it";
}

TEST_F(BrowserKeysResizeTest, ARefusedAddressIsAnErrorNamingItAndAFailingHandlerReachesNoBrowser) {
    page().Show();
    sim::RefusedAddresses().push_back("bad address");
    try {
        page().browser.Navigate("bad address");
        FAIL() << "the refusal must reach the caller";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), sim::kBrowserInvalidArgument);
        EXPECT_NE(std::string(e.what()).find("bad address"), std::string::npos) << e.what();
    }
    page().browser.Navigate("good.example");
    EXPECT_NO_THROW(sim::BrowserOf(page().browser)->Arrive("Good"));
    EXPECT_EQ(page().completes, 1);
    ASSERT_EQ(p().messageBoxes.size(), 1u) << "the handler's error is shown, as any handler's";
    EXPECT_EQ(page().browser.locationName(), "Good");
    EXPECT_EQ(page().browser.locationURL(), "good.example");
}

TEST_F(BrowserKeysResizeTest, KeyPressMayChangeOrConsumeTheKey) {
    page().Show();
    EXPECT_EQ(page().address.userKeyPress('x'), 0);
    EXPECT_EQ(page().address.userKeyPress('a'), 'A');
    EXPECT_EQ(page().address.userKeyPress(13), 13);
}

TEST_F(BrowserKeysResizeTest, TheWindowSystemsResizeRaisesResizeOncePerChange) {
    page().Show();
    EXPECT_EQ(page().resizes, 1) << "the first showing raises Resize";
    page().Hide();
    page().Show();
    EXPECT_EQ(page().resizes, 1) << "only the first showing after the load";
    page().userResize(forms::WindowState::Normal, 4800, 3600);
    EXPECT_EQ(page().resizes, 1) << "nothing changed";
    page().userResize(forms::WindowState::Normal, 6000, 4000);
    EXPECT_EQ(page().resizes, 2);
    EXPECT_EQ(page().bounds().width, 6000);
    EXPECT_EQ(page().bounds().height, 4000);
    page().userResize(forms::WindowState::Maximized, 6000, 4000);
    EXPECT_EQ(page().resizes, 3);
    EXPECT_EQ(page().windowState(), forms::WindowState::Maximized);
}

}  // namespace
