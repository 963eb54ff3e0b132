// The popup decision of each tracked browser window: the opener's site, the
// list match, the switches, the setup-mode prompt and the block step.
#include <climits>
#include <cstdint>

#include "blocker/c_ie_windows.h"
#include "blocker/ie_class.h"
#include "platform/program.h"
#include "platform/sound.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;

class DecisionTest : public BlockerTest {
protected:
    void SetUp() override {
        BlockerTest::SetUp();
        tracker = cIEWindows::Create();
        window = OpenWindow("http://www.opener.example/page.html");
    }
    void TearDown() override {
        tracker.reset();
        BlockerTest::TearDown();
    }
    // A page of the window asks for a new window; true when it is cancelled.
    bool Popup(int id = 0) { return m().browsers.newWindow(id ? id : window); }
    void Address(const std::string& address) { m().browsers.window(window)->address = address; }
    void StageSound() { m().files.addFile(PathOf("sounds\\pop.wav"), "RIFF"); }
    static std::vector<sim::SoundCall> Sounds() { return sim::Journal<sim::SoundCall>(); }

    std::shared_ptr<cIEWindows> tracker;
    int window = 0;
};

TEST(OpenerSite, IsTheHostAndPortAsWritten) {
    const struct {
        const char* address;
        const char* site;
    } cases[] = {
        {"http://www.Opener.example:8080/a/b.html?x=1", "www.Opener.example:8080"},
        {"HTTPS://secure.example/login", "secure.example"},
        {"http://go.example/?to=http://other.example/x", "go.example"},
        {"https://go.example/r?u=https://other.example/", "go.example"},
        {"http://host.example", "host.example"},
        {"about:blank", "about:blank"},
        {"file:///C:/pages/index.html", "file:"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenerSite(c.address), c.site) << c.address;
}

TEST(SiteListMatch, IsACaseBlindPartOfTheListText) {
    const std::string list = "www.Allowed.example\r\nfriend.example:8080\r\n";
    const struct {
        const char* list;
        const char* site;
        bool listed;
    } cases[] = {
        {list.c_str(), "www.allowed.example", true},
        {list.c_str(), "ALLOWED.EXAMPLE", true},
        {list.c_str(), "friend.example:8080", true},
        {list.c_str(), "friend.example:80", true},
        {list.c_str(), "sub.www.allowed.example", false},
        {list.c_str(), "other.example", false},
        {list.c_str(), "", true},
        {"", "", false},
        {"", "www.allowed.example", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnSiteList(c.list, c.site), c.listed) << "'" << c.site << "' in '" << c.list << "'";
}

TEST_F(DecisionTest, OutsideSetupModeOnlyTheAllowedListOpens) {
    const struct {
        const char* address;
        const char* allowed;
        const char* disallowed;
        bool cancelled;
    } cases[] = {
        {"http://www.opener.example/", "opener.example\r\n", "", true},
        {"http://WWW.OPENER.EXAMPLE/", "www.opener.example\r\n", "", false},
        {"http://www.opener.example/", "other.example\r\n", "", true},
        {"http://www.opener.example/", "", "www.opener.example\r\n", true},
        {"http://www.opener.example/", "see www.opener.example/page\r\n", "", false},
        {"http://opener.example/", "www.opener.example\r\n", "", false},
        {"", "other.example\r\n", "", false},
        {"", "", "", true},
    };
    Switches(1);
    for (const auto& c : cases) {
        Address(c.address);
        AllowedSites = c.allowed;
        DisallowedSites = c.disallowed;
        EXPECT_EQ(Popup(), c.cancelled) << c.address << " with allowed '" << c.allowed << "'";
    }
    EXPECT_FALSE(prompt().loaded());
}

TEST_F(DecisionTest, OnlyTheValueOneTurnsASwitchOn) {
    const struct {
        int blocking, setupMode, sound;
        bool cancelled, prompted, sounded;
    } cases[] = {
        {0, 0, 0, false, false, false}, {2, 1, 1, false, false, false}, {1, 2, 2, true, false, false},
        {1, 0, 0, true, false, false},  {1, 0, 1, true, false, true},
    };
    StageSound();
    for (const auto& c : cases) {
        SCOPED_TRACE("blocking " + std::to_string(c.blocking) + ", setup mode " + std::to_string(c.setupMode) +
                     ", sound " + std::to_string(c.sound));
        Switches(c.blocking, c.setupMode, c.sound);
        m().journal.clear();
        EXPECT_EQ(Popup(), c.cancelled);
        EXPECT_EQ(prompt().loaded(), c.prompted);
        EXPECT_EQ(!Sounds().empty(), c.sounded);
    }
}

TEST_F(DecisionTest, WithBlockingOffNothingIsTouched) {
    Switches(0);
    AllowNextPopup = true;
    EXPECT_FALSE(Popup());
    EXPECT_TRUE(AllowNextPopup) << "the switch is neither used nor cleared";
    EXPECT_EQ(PopupsBlocked, 0);

    // A flag that is already set stays set.
    bool cancel = true;
    tracker->IE(1)->Events().onNewWindow2(cancel);
    EXPECT_TRUE(cancel);
}

TEST_F(DecisionTest, TheAllowNextSwitchLetsOnePopupThrough) {
    Switches(1);
    AllowNextPopup = true;
    EXPECT_FALSE(Popup());
    EXPECT_FALSE(AllowNextPopup);
    EXPECT_TRUE(Popup());
    EXPECT_EQ(PopupsBlocked, 1);
}

TEST_F(DecisionTest, TheLinkExceptionNeedsALinkBeyondTheScheme) {
    const struct {
        int links;
        const char* status;
        bool allowed;
    } cases[] = {
        {1, "http://", false},
        {1, "https://", true},
        {1, "http://x", true},
        {1, "HTTP://www.link.example/", true},
        {1, "HtTpS://www.link.example/", true},
        {1, "Done", false},
        {1, "see http://www.link.example/", false},
        {0, "http://www.link.example/", false},
        {2, "http://www.link.example/", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + std::string(c.status) + "' with the box at " + std::to_string(c.links));
        Switches(1, 0, 0, c.links);
        m().browsers.statusText(window, c.status);
        EXPECT_EQ(LastStatusText, c.status);
        EXPECT_EQ(!Popup(), c.allowed);
        EXPECT_FALSE(AllowNextPopup);
    }
}

TEST_F(DecisionTest, ALinkWhileBlockingIsOffOpensTheFirstPopupAfterIt) {
    Switches(0, 0, 0, 1);
    m().browsers.statusText(window, "http://www.link.example/");
    EXPECT_FALSE(Popup());
    EXPECT_TRUE(AllowNextPopup);
    m().browsers.statusText(window, "Done");
    main().Check1.setValue(1);
    EXPECT_FALSE(Popup());
    EXPECT_FALSE(AllowNextPopup);
    EXPECT_TRUE(Popup());
}

TEST_F(DecisionTest, TheBlockStepCountsPumpsOncePlaysThenCancels) {
    Switches(1, 0, 1);
    StageSound();
    std::vector<std::string> steps;
    p().userActions.push_back([&] { steps.push_back("pumped with count " + std::to_string(PopupsBlocked)); });
    p().whilePlaying = [&](const sim::SoundCall&) {
        steps.push_back(std::string("sound with cancel ") + (*m().browsers.cancelFlag ? "set" : "clear"));
    };
    EXPECT_TRUE(Popup());
    EXPECT_EQ(steps, (std::vector<std::string>{"pumped with count 1", "sound with cancel clear"}));
    ASSERT_EQ(Sounds().size(), 1u);
    EXPECT_EQ(Sounds()[0].file, Folder() + "\\sounds\\pop.wav");
    EXPECT_EQ(Sounds()[0].flags, platform::sound::kSndNoDefault) << "played to its end, never the default sound";
}

// The browser holds the popup until the decision returns: the block step
// handles what is waiting and waits for nothing more.
TEST_F(DecisionTest, TheBlockStepLetsNoTimePass) {
    Switches(1);
    const std::uint32_t before = platform::TickCount();
    EXPECT_TRUE(Popup());
    EXPECT_EQ(platform::TickCount(), before);
    EXPECT_EQ(PopupsBlocked, 1);
}

TEST_F(DecisionTest, AMissingSoundFileBlocksSilently) {
    Switches(1, 0, 1);
    EXPECT_TRUE(Popup());
    ASSERT_EQ(Sounds().size(), 1u);
    EXPECT_FALSE(Sounds()[0].played);
    EXPECT_EQ(PopupsBlocked, 1);
}

TEST_F(DecisionTest, TheCountStopsAtItsLargestValueAndBlockingGoesOn) {
    Switches(1);
    PopupsBlocked = INT_MAX - 1;
    EXPECT_TRUE(Popup());
    EXPECT_EQ(PopupsBlocked, INT_MAX);
    EXPECT_TRUE(Popup());
    EXPECT_EQ(PopupsBlocked, INT_MAX);
}

TEST_F(DecisionTest, AFailureEndsTheDecisionQuietlyWithThePopupOpen) {
    Switches(1, 0, 1, 1);
    m().browsers.statusText(window, "http://www.link.example/");
    m().browsers.window(window)->addressFails = true;
    EXPECT_FALSE(Popup());
    EXPECT_TRUE(AllowNextPopup) << "the steps before the failure stand";
    EXPECT_EQ(PopupsBlocked, 0);
    EXPECT_TRUE(Sounds().empty());
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(DecisionTest, RemovingASiteTakesEffectAtTheNextPopup) {
    Switches(1);
    AllowedSites = "www.opener.example\r\n";
    EXPECT_FALSE(Popup());
    AllowedSites.clear();
    EXPECT_TRUE(Popup());
}

// --- setup mode: the prompt and its wait ---------------------------------------
// The user's answers arrive as messages while the decision waits.

TEST_F(DecisionTest, SetupModeTestsTheAllowedListFirstAndAsksOnlyForUnlistedSites) {
    const struct {
        const char* allowed;
        const char* disallowed;
        bool cancelled;
    } cases[] = {
        {"www.opener.example\r\n", "www.opener.example\r\n", false},
        {"", "the.www.opener.example\r\n", true},
    };
    Switches(1, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("allowed '") + c.allowed + "', disallowed '" + c.disallowed + "'");
        AllowedSites = c.allowed;
        DisallowedSites = c.disallowed;
        EXPECT_EQ(Popup(), c.cancelled);
        EXPECT_FALSE(prompt().loaded());
    }
    EXPECT_EQ(PopupsBlocked, 1);
}

TEST_F(DecisionTest, ThePromptsAnswerDecides) {
    const struct {
        const char* name;
        std::function<void(Form3&)> answer;
        bool cancelled;
        int counted;
    } cases[] = {
        {"Allow Now", [](Form3& p) { p.Command3.userClick(); }, false, 0},
        {"Block Now", [](Form3& p) { p.Command4.userClick(); }, true, 1},
        {"the close box", [](Form3& p) { p.userClose(); }, true, 1},
    };
    Switches(1, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PopupsBlocked = 0;
        p().userActions.push_back([&] {
            EXPECT_TRUE(prompt().visible());
            EXPECT_EQ(prompt().Text1.text(), "www.opener.example");
            c.answer(prompt());
        });
        EXPECT_EQ(Popup(), c.cancelled);
        EXPECT_EQ(PopupsBlocked, c.counted);
        EXPECT_FALSE(prompt().loaded());
    }
}

TEST_F(DecisionTest, AfterAnAllowThePromptClosedByItsCloseBoxBlocksAndCounts) {
    Switches(1, 1);
    p().userActions.push_back([&] { prompt().Command3.userClick(); });
    EXPECT_FALSE(Popup()) << "Allow Now lets the first one through";
    p().userActions.push_back([&] {
        EXPECT_TRUE(prompt().visible()) << "the second popup asks again";
        prompt().userClose();
    });
    EXPECT_TRUE(Popup()) << "the close box blocks, whatever the last answer was";
    EXPECT_EQ(PopupsBlocked, 1);
    EXPECT_FALSE(prompt().loaded());
}

TEST_F(DecisionTest, ASecondPopupDuringThePromptTakesTheSameAnswer) {
    Switches(1, 1);
    const int other = OpenWindow("http://second.example/");
    // The second page's request arrives while the prompt waits, and the
    // user answers once both wait.
    p().userActions.push_back([&] { m().browsers.postNewWindow(other); });
    p().userActions.push_back([&] {
        EXPECT_EQ(prompt().Text1.text(), "www.opener.example") << "the prompt keeps the first site";
        EXPECT_EQ(PromptSite, "second.example");
        prompt().Command4.userClick();
    });
    EXPECT_TRUE(Popup());
    ASSERT_EQ(m().browsers.newWindows.size(), 2u);
    EXPECT_EQ(m().browsers.newWindows[0].window, other);
    EXPECT_TRUE(m().browsers.newWindows[0].cancelled);
    EXPECT_EQ(PopupsBlocked, 2);
}

TEST_F(DecisionTest, ATrackerRebuildDuringThePromptLeavesTheWaitingSinkAlive) {
    Switches(1, 1);
    int opened = 0;
    // A window opens while the prompt waits; its rebuild runs before the user answers.
    p().userActions.push_back([&] { opened = m().browsers.open("http://third.example/"); });
    p().userActions.push_back([&] { prompt().Command3.userClick(); });
    EXPECT_FALSE(Popup());
    EXPECT_EQ(tracker->Count(), 2);
    EXPECT_EQ(m().browsers.connectedSinks(window), 1);
    EXPECT_EQ(m().browsers.connectedSinks(opened), 1);
    main().Check2.setValue(0);
    EXPECT_TRUE(Popup()) << "the new sink decides the next popup";
    EXPECT_EQ(m().browsers.newWindows.size(), 2u) << "each popup reached one sink";
}

}  // namespace
