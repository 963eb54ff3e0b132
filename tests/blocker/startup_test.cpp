// windhover from its start: splash, main window, help window, about box,
// website opener and exit, as the user sees them.
#include "blocker/form1.h"
#include "blocker/frm_website.h"
#include "frame/form8.h"
#include "frame/frm_about.h"
#include "frame/frm_splash.h"
#include "frame/frame_program.h"
#include "platform/program.h"
#include "tests/blocker/main_window_fixture.h"

namespace {

using WindhoverTest = MainWindowTest;

TEST_F(WindhoverTest, FirstStartShowsTheMainWindowTrayIconAndHelp) {
    Start();
    ASSERT_TRUE(main().visible());
    EXPECT_EQ(main().caption(), "Windhover by Quillmere");
    ASSERT_EQ(m().trayIcons.size(), 1u);
    const auto& icon = m().trayIcons.begin()->second;
    EXPECT_EQ(icon.hWnd, main().hwnd());
    EXPECT_EQ(icon.uID, static_cast<std::uint32_t>(main().icon()));
    EXPECT_STREQ(icon.szTip, "Animated TrayIcon");
    EXPECT_TRUE(help().visible());
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("1\0", 2));
    EXPECT_FALSE(forms::The<frmSplash>().visible());
}

TEST_F(WindhoverTest, WithoutANotificationAreaTheProgramRunsOn) {
    m().trayAvailable = false;
    Start();
    EXPECT_TRUE(main().visible());
    EXPECT_TRUE(m().trayIcons.empty());
    EXPECT_TRUE(p().messageBoxes.empty()) << "a failed addition is not reported";
    sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    EXPECT_TRUE(p().ended);
}

TEST_F(WindhoverTest, HelpOffMeansNoHelpWindowAtTheNextStart) {
    Start();
    help().Check1.userClick();
    sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    ASSERT_TRUE(p().ended);
    EXPECT_TRUE(m().trayIcons.empty()) << "exit removes the notification-area icon";

    sim::NewProcess();
    Start();
    EXPECT_TRUE(main().visible());
    EXPECT_FALSE(help().loaded());
}

TEST_F(WindhoverTest, StartShowsHelpOnlyForAStoredOne) {
    const struct {
        const char* stored;
        bool shown;
    } cases[] = {{"1", true}, {"0", false}, {"7", false}, {"", false}, {" 1", false}};
    for (const auto& c : cases) {
        sim::NewProcess();
        m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", c.stored);
        Start();
        EXPECT_TRUE(main().visible()) << c.stored;
        EXPECT_EQ(help().loaded(), c.shown) << "stored \"" << c.stored << "\"";
    }
}

TEST_F(WindhoverTest, MenusOpenTheHelpAndAboutWindows) {
    m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", "0");
    Start();
    EXPECT_FALSE(help().loaded());
    main().mnuHelpItem0.userClick();
    EXPECT_TRUE(help().visible());
    main().mnuAboutItem0.userClick();
    auto& about = forms::The<frmAbout>();
    EXPECT_EQ(about.caption(), "About Windhover");
    EXPECT_EQ(about.lblVersion.caption(), "2.1");
}

TEST_F(WindhoverTest, TheAboutBoxOpensTheHomePageAndTheOpenerCloses) {
    Start();
    main().mnuAboutItem0.userClick();
    forms::The<frmAbout>().lblWebsite.userClick();
    ASSERT_EQ(ShellExecutes().size(), 1u);
    EXPECT_EQ(ShellExecutes()[0].file, "http://www.quillmere.example");
    EXPECT_EQ(ShellExecutes()[0].show, platform::shell::kSwShowNormal);
    EXPECT_EQ(WebsiteMode, WebsitePage::None);
    auto& website = forms::The<windhover::frmWebsite>();
    EXPECT_TRUE(website.visible());
    forms::The<frmAbout>().lblWebsite.userClick();
    EXPECT_EQ(ShellExecutes().size(), 1u) << "a second click within the second opens nothing";
    sim::Advance(1000);
    EXPECT_FALSE(website.loaded());
}

TEST_F(WindhoverTest, TheOpenerAddsASchemeOnlyWhereThereIsNone) {
    const struct {
        const char* homePage;
        const char* opened;
    } cases[] = {
        {"www.quillmere.example", "http://www.quillmere.example"},
        {"HTTP://www.quillmere.example", "HTTP://www.quillmere.example"},
        {"https://www.quillmere.example", "https://www.quillmere.example"},
        {"go.example/?to=http://www.quillmere.example", "go.example/?to=http://www.quillmere.example"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.homePage);
        m().ownVersion.comments = c.homePage;
        m().journal.clear();
        WebsiteMode = WebsitePage::HomePage;
        auto& website = forms::The<windhover::frmWebsite>();
        website.Unload();
        sim::AsUser([&] { website.Load(); });
        ASSERT_EQ(ShellExecutes().size(), 1u);
        EXPECT_EQ(ShellExecutes()[0].file, c.opened);
    }
}

TEST_F(WindhoverTest, TheOpenerOpensNothingWithoutTheHomePageAsked) {
    WebsiteMode = WebsitePage::None;
    auto& website = forms::The<windhover::frmWebsite>();
    sim::AsUser([&] { website.Load(); });
    EXPECT_EQ(WebsiteMode, WebsitePage::None);
    sim::Advance(1000);
    EXPECT_FALSE(website.loaded()) << "the window still unloads itself";
    EXPECT_TRUE(ShellExecutes().empty());
}

TEST_F(WindhoverTest, ExitWhileTheOpenerIsShownDoesNotEndTheProgram) {
    Start();
    forms::The<frmAbout>().Show();
    forms::The<frmAbout>().lblWebsite.userClick();
    sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    EXPECT_FALSE(p().ended);
    EXPECT_TRUE(m().trayIcons.empty());
}

}  // namespace
