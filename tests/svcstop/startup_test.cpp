// nightjar from its start: splash, main window with its tray icon, the help
// and about windows from the menus, and exit.
#include "frame/form8.h"
#include "frame/frm_about.h"
#include "platform/program.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_website.h"
#include "tests/support/sim_test.h"

namespace {

class NightjarTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        m().ownVersion = {"Nightjar", "Quillmere", "www.quillmere.example", 2, 0, 0};
        m().files.addFile(m().files.programFolder + "\\Help.rtf", "{\\rtf1 help\\par}");
        sim::AsUser([] { platform::ProgramMain(); });
        sim::Advance(75 * 10);
    }
    nightjar::frmMain& main() { return forms::The<nightjar::frmMain>(); }
};

TEST_F(NightjarTest, StartShowsTheMainWindowWithItsIconAndNoHelp) {
    ASSERT_TRUE(main().visible());
    EXPECT_EQ(main().caption(), "Nightjar");
    ASSERT_EQ(m().trayIcons.size(), 1u);
    const auto& icon = m().trayIcons.begin()->second;
    EXPECT_EQ(icon.hWnd, main().hwnd());
    EXPECT_EQ(icon.uID, static_cast<std::uint32_t>(main().icon()));
    EXPECT_STREQ(icon.szTip, "Animated TrayIcon");
    EXPECT_FALSE(forms::The<Form8>().loaded()) << "nightjar shows help from its menu only";
}

TEST_F(NightjarTest, MenusOpenHelpAndAboutWithTheVersion) {
    main().mnuHelpItem.userClick();
    EXPECT_TRUE(forms::The<Form8>().visible());
    EXPECT_EQ(StoredSetting("Nightjar", "showHelp"), std::string("1\0", 2));
    main().mnuAboutItem0.userClick();
    EXPECT_EQ(forms::The<frmAbout>().caption(), "About Nightjar");
    EXPECT_EQ(forms::The<frmAbout>().lblVersion.caption(), "2.0");
}

TEST_F(NightjarTest, TheHelpBoxReadsNightjarsOwnSetting) {
    m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", "1");
    m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Nightjar"), "showHelp", "0");
    main().mnuHelpItem.userClick();
    EXPECT_EQ(forms::The<Form8>().Check1.value(), 0);
    forms::The<Form8>().Check1.userClick();
    EXPECT_EQ(StoredSetting("Nightjar", "showHelp"), std::string("1\0", 2));
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("1\0", 2)) << "windhover's own is left alone";
}

TEST_F(NightjarTest, TheAboutBoxOpensTheBuiltInBrowser) {
    main().mnuAboutItem0.userClick();
    forms::The<frmAbout>().lblWebsite.userClick();
    EXPECT_TRUE(forms::The<nightjar::frmWebsite>().visible());
    EXPECT_EQ(forms::The<nightjar::frmWebsite>().caption(), "www.quillmere.example");
    EXPECT_TRUE(ShellExecutes().empty()) << "nightjar shows its page itself";
}

TEST_F(NightjarTest, ExitRemovesTheIconClosesTheOtherWindowsAndEnds) {
    main().mnuHelpItem.userClick();
    main().mnuAboutItem0.userClick();
    sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    EXPECT_TRUE(m().trayIcons.empty());
    EXPECT_FALSE(forms::The<Form8>().loaded());
    EXPECT_FALSE(forms::The<frmAbout>().loaded());
    EXPECT_TRUE(p().ended);
}

TEST_F(NightjarTest, ASecondStartOnTheSameMachineIsLikeTheFirst) {
    main().mnuHelpItem.userClick();
    forms::The<Form8>().Check1.userClick();
    sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    ASSERT_TRUE(p().ended);

    sim::NewProcess();
    sim::AsUser([] { platform::ProgramMain(); });
    sim::Advance(75 * 10);
    ASSERT_TRUE(main().visible());
    EXPECT_EQ(main().caption(), "Nightjar");
    EXPECT_EQ(m().trayIcons.size(), 1u);
    EXPECT_FALSE(forms::The<Form8>().loaded());
    EXPECT_EQ(StoredSetting("Nightjar", "showHelp"), std::string("0\0", 2)) << "the first run's setting is kept";
}

TEST_F(NightjarTest, TheCloseBoxEndsTheProgramToo) {
    main().userClose();
    EXPECT_TRUE(m().trayIcons.empty());
    EXPECT_TRUE(p().ended);
}

}  // namespace
