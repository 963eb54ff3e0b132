// The setup-mode prompt: its texts, the order of its topmost calls and its
// four answers.
#include "blocker/module1.h"
#include "platform/window.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;
constexpr platform::Handle kTopmost = platform::window::kHwndTopmost;
constexpr platform::Handle kNoTopmost = platform::window::kHwndNoTopmost;

class PromptTest : public BlockerTest {
protected:
    void Ask(const std::string& site) {
        PromptSite = site;
        PromptAnswered = false;
        PromptAllowed = false;
        prompt().Show();
    }
};

TEST_F(PromptTest, ShowsTheSiteWithItsTextsAndTips) {
    Ask("www.asker.example");
    auto& p = prompt();
    EXPECT_EQ(p.caption(), "Popup Detected!");
    EXPECT_EQ(p.Label3.caption(), "Current Site:");
    EXPECT_EQ(p.Text1.text(), "www.asker.example");
    EXPECT_EQ(p.Label1.caption(),
              "While in setup mode you can choose to allow or block new windows from certain sites.  Chosing either "
              "\"Always\" option will prevent you from seeing this prompt again for the current site, and add it to "
              "your allowed or disallowed list.");
    const struct {
        forms::CommandButton& button;
        const char* caption;
        const char* tip;
    } buttons[] = {
        {p.Command1, "Allow Always",
         "allow this site to display popups.  you will not see this window again for this site."},
        {p.Command2, "Block Always",
         "prevents this site from displaying popups.  you will not see this window again for this site."},
        {p.Command3, "Allow Now",
         "ignore this prompt for now.  this window will be displayed the next time a popup window appears."},
        {p.Command4, "Block Now", ""},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button.caption(), b.caption);
        EXPECT_EQ(b.button.toolTip(), b.tip) << b.caption;
    }
}

TEST_F(PromptTest, TopmostCallsKeepTheMainWindowOnTopOnlyWhenItWas) {
    main().Load();
    for (bool onTop : {true, false}) {
        AlwaysOnTop = onTop;
        m().journal.clear();
        Ask("site.example");
        std::vector<std::pair<platform::Handle, platform::Handle>> calls;
        for (const auto& call : sim::Journal<sim::SetWindowPosCall>()) {
            calls.emplace_back(call.window, call.insertAfter);
            EXPECT_EQ(call.flags, platform::window::kSwpNoMove | platform::window::kSwpNoSize);
        }
        using Calls = decltype(calls);
        const Calls expected =
            onTop ? Calls{{main().hwnd(), kNoTopmost}, {prompt().hwnd(), kTopmost}, {main().hwnd(), kTopmost}}
                  : Calls{{prompt().hwnd(), kTopmost}};
        EXPECT_EQ(calls, expected) << "always on top: " << onTop;
        prompt().Command3.userClick();
    }
}

TEST_F(PromptTest, EachAnswerSetsTheHandShakeAndTheLists) {
    const struct {
        const char* name;
        forms::CommandButton Form3::*button;
        bool allowed;
        const char* allowedFile;
        const char* disallowedFile;
    } cases[] = {
        {"Allow Always", &Form3::Command1, true, "edited.example\r\n", "<missing>"},
        {"Block Always", &Form3::Command2, false, "<missing>", "edited.example\r\n"},
        {"Allow Now", &Form3::Command3, true, "<missing>", "<missing>"},
        {"Block Now", &Form3::Command4, false, "<missing>", "<missing>"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            main().List1.addItem("kept.example");
            Ask("site.example");
            prompt().Text1.userType("edited.example");
            (prompt().*c.button).userClick();
            EXPECT_TRUE(PromptAnswered);
            EXPECT_EQ(PromptAllowed, c.allowed);
            EXPECT_FALSE(prompt().loaded());
            EXPECT_EQ(FileText("allowed.txt"), c.allowedFile);
            EXPECT_EQ(FileText("disallowed.txt"), c.disallowedFile);
        });
    }
}

TEST_F(PromptTest, TheCloseBoxAnswersBlock) {
    Ask("site.example");
    prompt().userClose();
    EXPECT_TRUE(PromptAnswered);
    EXPECT_FALSE(PromptAllowed);
}

TEST_F(PromptTest, AlwaysRefusesNoSiteAndStillAnswers) {
    for (const char* typed : {"", " "}) {
        FreshRow(std::string("typed '") + typed + "'", [&] {
            Ask("site.example");
            prompt().Text1.userType(typed);
            prompt().Command1.userClick();
            EXPECT_TRUE(PromptAnswered && PromptAllowed);
            EXPECT_EQ(FileText("allowed.txt"), "<missing>");
            EXPECT_EQ(AllowedSites, "");
            EXPECT_EQ(main().List1.listCount(), 0);
        });
    }
}

TEST_F(PromptTest, AFailingAlwaysIsShownAndThePopupStillGetsItsAnswer) {
    m().writeFaults.unwritableFolders.insert(Folder());
    Ask("site.example");
    prompt().Command2.userClick();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("disallowed.txt"), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_TRUE(PromptAnswered);
    EXPECT_FALSE(PromptAllowed);
    EXPECT_FALSE(prompt().loaded());
}

}  // namespace
