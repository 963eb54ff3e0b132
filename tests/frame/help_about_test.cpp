// The help window with its start-up box, and the about box.
#include "frame/form8.h"
#include "frame/frm_about.h"
#include "frame/product_info.h"
#include "frame/frame_program.h"
#include "platform/dialogs.h"
#include "tests/frame/stub_program.h"
#include "tests/support/sim_test.h"

namespace {

class HelpTest : public StubProgramTest {
protected:
    void SetUp() override {
        StubProgramTest::SetUp();
        modProductInfo::LoadProductInfo();
        m().files.addFile(m().files.programFolder + "\\Help.rtf", "{\\rtf1 How to use Windhover\\par}");
    }
    Form8& help() { return forms::The<Form8>(); }
    void StoreShowHelp(const std::string& text) {
        m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", text);
    }
};

TEST_F(HelpTest, FirstShowLoadsTheFileTicksTheBoxAndStoresIt) {
    sim::AsUser([&] { help().Show(); });
    EXPECT_EQ(help().rtf1.textRTF(), "{\\rtf1 How to use Windhover\\par}");
    EXPECT_EQ(help().Check1.value(), 1);
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("1\0", 2));
    EXPECT_TRUE(Topmost(help().hwnd())) << "the help window stands above others";
    EXPECT_EQ(help().caption(), "Readme/Help");
}

TEST_F(HelpTest, ClearingTheBoxWritesZeroAtOnce) {
    sim::AsUser([&] { help().Show(); });
    help().Check1.userClick();
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("0\0", 2));
    help().Check1.userClick();
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("1\0", 2));
}

TEST_F(HelpTest, TheStoredValueSetsTheBox) {
    const struct {
        const char* stored;
        int box;
        const char* afterwards;  // what is stored once the window is up
    } cases[] = {
        {"0", 0, "0"},     {"1", 1, "1"},
        {" 1 ", 1, "1"},   {"2", 2, "2"},  // the grey box, written back as it was read
        {" 2", 2, "2"},    {"+1", 1, "1"},
        {"abc", 0, "abc"},  // not a number: the box stays as it was
        {"1.5", 0, "1.5"}, {"1x", 0, "1x"},
        {"7", 0, "7"},  // no state of a box
        {"-1", 0, "-1"},   {"99999999999", 0, "99999999999"},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("stored \"") + c.stored + "\"");
        help().Unload();
        StoreShowHelp(c.stored);
        sim::AsUser([&] { help().Show(); });
        EXPECT_EQ(help().Check1.value(), c.box);
        EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string(c.afterwards) + '\0');
        EXPECT_TRUE(p().messageBoxes.empty());
    }
}

TEST_F(HelpTest, EveryLoadStartsFromTheDesign) {
    sim::AsUser([&] { help().Show(); });
    help().Unload();
    EXPECT_EQ(help().Check1.value(), 0);
    StoreShowHelp("0");
    sim::AsUser([&] { help().Show(); });
    EXPECT_EQ(help().Check1.value(), 0) << "the box of the last load must not carry over";
}

TEST_F(HelpTest, AMissingHelpFileIsSaidInTheWindowAndTheBoxStillWorks) {
    m().files.entries.clear();
    m().files.addFolder(m().files.programFolder);
    sim::AsUser([&] { help().Show(); });
    EXPECT_TRUE(help().visible());
    EXPECT_NE(help().rtf1.textRTF().find("Help.rtf"), std::string::npos) << help().rtf1.textRTF();
    EXPECT_EQ(help().Check1.value(), 1);
    help().Check1.userClick();
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), std::string("0\0", 2));
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(HelpTest, AnUnreadableHelpFileSkipsOnlyThatStep) {
    m().files.unreachable.insert(m().files.programFolder + "\\Help.rtf");
    sim::AsUser([&] { help().Show(); });
    EXPECT_TRUE(help().visible());
    EXPECT_EQ(help().Check1.value(), 1);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(HelpTest, AHelpFileThatCannotBeReadLeavesTheDesignTextAndTheRestWorks) {
    m().files.locked.insert(sim::Fold(m().files.programFolder + "\\Help.rtf"));
    sim::AsUser([&] { help().Show(); });
    EXPECT_TRUE(help().visible());
    EXPECT_NE(help().rtf1.textRTF().find("RichTextBox1"), std::string::npos) << help().rtf1.textRTF();
    EXPECT_EQ(help().Check1.value(), 1);
    EXPECT_TRUE(Topmost(help().hwnd())) << "the steps after the failing one still run";
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(HelpTest, ARefusedSettingsWriteIsSilentAtLoadAndShownAtAClick) {
    m().registry.currentUserReadOnly = true;
    sim::AsUser([&] { help().Show(); });
    EXPECT_EQ(help().Check1.value(), 1);
    EXPECT_TRUE(p().messageBoxes.empty()) << "the load handler skips the failing write";
    help().Check1.userClick();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("showHelp"), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_EQ(p().messageBoxes[0].icon, platform::kMbIconWarning);
    EXPECT_TRUE(help().loaded()) << "the window stays";
    EXPECT_EQ(StoredSetting("Windhover", "showHelp"), "<none>");
}

class AboutTest : public StubProgramTest {
protected:
    frmAbout& about() { return forms::The<frmAbout>(); }
};

TEST_F(AboutTest, ShowsTheVersionAsMajorDotMinor) {
    const struct {
        int major, minor;
        const char* shown;
    } cases[] = {{2, 1, "2.1"}, {2, 0, "2.0"}, {2, 10, "2.10"}, {10, 25, "10.25"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        m().ownVersion = {"Windhover", "Quillmere", "www.quillmere.example", c.major, c.minor, 0};
        about().Unload();
        sim::AsUser([&] { about().Show(); });
        EXPECT_EQ(about().lblVersion.caption(), c.shown);
    }
}

TEST_F(AboutTest, ShowsTheIdentityOfTheVersionInformation) {
    m().ownVersion = {"Nightjar", "Quillmere", "www.quillmere.example/nightjar", 2, 0, 0};
    modProductInfo::LoadProductInfo();
    sim::AsUser([&] { about().Show(); });
    EXPECT_EQ(about().caption(), "About Nightjar");
    EXPECT_EQ(about().Label1.caption(), "Nightjar");
    EXPECT_EQ(about().lblCompany.caption(), "Quillmere");
    EXPECT_EQ(about().lblWebsite.caption(), "www.quillmere.example/nightjar");
    EXPECT_EQ(about().Label2.caption(), "Version:");
}

TEST_F(AboutTest, TheWebsiteLabelOpensTheWebsiteWindowOnce) {
    sim::AsUser([&] { about().Show(); });
    about().lblWebsite.userClick();
    auto& website = forms::The<StubWebsite>();
    EXPECT_TRUE(website.visible());
    EXPECT_EQ(website.modeAtLoad, WebsitePage::HomePage);
    about().lblWebsite.userClick();
    EXPECT_EQ(website.loads, 1) << "a click while the window is loaded loads nothing anew";
}

}  // namespace
