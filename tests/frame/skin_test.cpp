// The skin glue: the Vista test, the one live start-up call and the colour
// pass, with a stand-in for the skinning library that neither build has.
#include <cstring>

#include "frame/frm_splash.h"
#include "frame/mod_skin.h"
#include "platform/error.h"
#include "tests/frame/stub_program.h"
#include "frame/product_info.h"
#include "tests/support/sim_test.h"

namespace {

namespace version = platform::version;

version::OsVersionInfo Os(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor) {
    version::OsVersionInfo info;
    info.platformId = platformId;
    info.majorVersion = major;
    info.minorVersion = minor;
    return info;
}

struct FakeGlobal : modSkin::SkinGlobalObject {
    explicit FakeGlobal(std::vector<int>* calls) : calls(calls) {}
    void Method2(void*) override { calls->push_back(2); }
    void Method5() override { calls->push_back(5); }
    void Method6() override { calls->push_back(6); }
    std::vector<int>* calls;
};

struct FakeControl : modSkin::SkinControlObject {
    std::uint32_t Color(int id) override { return 0x100u * static_cast<std::uint32_t>(id); }
    void ApplyToWindow(platform::Handle window) override { applied.push_back(window); }
    std::vector<platform::Handle> applied;
};

// A skin control that fails its first `failures` colour reads.
struct FlakyControl : FakeControl {
    explicit FlakyControl(int failures) : failures(failures) {}
    std::uint32_t Color(int id) override {
        if (failures > 0) {
            --failures;
            throw platform::Error(5, "the skin is not ready");
        }
        return FakeControl::Color(id);
    }
    int failures;
};

struct Skinned : forms::Form {
    Skinned() : Form("Skinned") { design("Skinned", 4500, 3000); }
    forms::CommandButton button{*this, "button"};
    forms::TextBox text{*this, "text"};
    forms::PictureBox picture{*this, "picture"};
    forms::Label label{*this, "label"};
    forms::CheckBox check{*this, "check"};
};

class SkinTest : public StubProgramTest {
protected:
    void SetUp() override {
        StubProgramTest::SetUp();
        modSkin::CreateSkinGlobal = [this] {
            ++created;
            return std::unique_ptr<modSkin::SkinGlobalObject>(std::make_unique<FakeGlobal>(&calls));
        };
    }
    int created = 0;
    std::vector<int> calls;
};

TEST_F(SkinTest, VistaOrLaterMeansAnNtSystemOfMajorVersionSixOrMore) {
    const struct {
        std::optional<version::OsVersionInfo> os;
        bool expected;
    } cases[] = {
        {Os(version::kPlatformWin32Nt, 5, 1), false},  // XP
        {Os(version::kPlatformWin32Nt, 6, 0), true},   // Vista
        {Os(version::kPlatformWin32Nt, 10, 0), true},
        {Os(version::kPlatformWin32Windows, 6, 0), false},  // not NT
        {std::nullopt, false},                              // the query fails
    };
    for (const auto& c : cases) {
        m().os = c.os;
        EXPECT_EQ(modSkin::IsVistaOrLater(), c.expected)
            << (c.os ? std::to_string(c.os->platformId) + "/" + std::to_string(c.os->majorVersion) : "failing");
    }
}

TEST_F(SkinTest, InitSkinGlobalActsOnVistaOrLaterOnly) {
    m().os = Os(version::kPlatformWin32Nt, 5, 1);
    modSkin::InitSkinGlobal();
    EXPECT_EQ(created, 0) << "nothing is created before Vista";

    m().os = Os(version::kPlatformWin32Nt, 6, 1);
    modSkin::InitSkinGlobal();
    modSkin::InitSkinGlobal();
    EXPECT_EQ(created, 1) << "the global object is made once and kept";
    EXPECT_EQ(calls, (std::vector<int>{6, 6}));
}

TEST_F(SkinTest, WithoutTheLibraryInitSkinGlobalDoesNothingVisible) {
    modSkin::CreateSkinGlobal = [] { return std::unique_ptr<modSkin::SkinGlobalObject>(); };
    m().os = Os(version::kPlatformWin32Nt, 6, 1);
    modSkin::InitSkinGlobal();
    EXPECT_EQ(modSkin::SkinGlobal, nullptr);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(SkinTest, ControlColoursGoByTypeName) {
    auto& form = forms::The<Skinned>();
    modSkin::SetControlColors(form, 0x111111, 0x222222, 0x333333);
    EXPECT_EQ(form.button.backColor(), 0x111111u);
    EXPECT_EQ(form.button.foreColor(), forms::kSystemColor);
    EXPECT_EQ(form.text.backColor(), 0x111111u);
    EXPECT_EQ(form.text.foreColor(), 0x222222u);
    EXPECT_EQ(form.picture.backColor(), 0x333333u);
    EXPECT_EQ(form.label.backColor(), forms::kSystemColor);
    EXPECT_EQ(form.check.backColor(), forms::kSystemColor);
}

TEST_F(SkinTest, ApplySkinColoursShapesAndHandsTheWindowToTheControl) {
    FakeControl control;
    modSkin::SkinControl = &control;
    ProductInfo.SkinsEnabled = true;
    m().os = Os(version::kPlatformWin32Nt, 6, 0);
    auto& form = forms::The<Skinned>();
    form.Show();
    modSkin::ApplySkin(form);
    EXPECT_EQ(form.button.backColor(), 0x200u);
    EXPECT_EQ(form.text.foreColor(), 0x300u);
    EXPECT_EQ(form.picture.backColor(), 0x400u);
    ASSERT_TRUE(sim::FindWindow(form.hwnd())->region);
    EXPECT_EQ(*sim::FindWindow(form.hwnd())->region, std::make_pair(4500, 3000))
        << "the region takes the size in twips";
    EXPECT_EQ(control.applied, std::vector<platform::Handle>{form.hwnd()});
}

TEST_F(SkinTest, ApplySkinWithoutTheSkinControlLeavesColoursAlone) {
    auto& form = forms::The<Skinned>();
    form.Show();
    modSkin::ApplySkin(form);
    EXPECT_EQ(form.button.backColor(), forms::kSystemColor) << "no skin colours, no black controls";
    EXPECT_FALSE(sim::FindWindow(form.hwnd())->region) << "no region with skins off";
}

// nightjar's retry: a first failure reloads the splash, stops its countdown
// and hides it before the second attempt.
TEST_F(SkinTest, ApplySkinRetryTouchesNoSplashWhenTheFirstAttemptWorks) {
    FakeControl control;
    modSkin::SkinControl = &control;
    auto& form = forms::The<Skinned>();
    form.Show();
    modSkin::ApplySkinRetry(form);
    EXPECT_EQ(control.applied, std::vector<platform::Handle>{form.hwnd()});
    EXPECT_EQ(form.button.backColor(), 0x200u);
    EXPECT_FALSE(forms::The<frmSplash>().loaded());
}

TEST_F(SkinTest, ApplySkinRetryLoadsTheSplashStopsItsCountdownAndTriesAgain) {
    FlakyControl control(1);
    modSkin::SkinControl = &control;
    auto& form = forms::The<Skinned>();
    form.Show();
    modSkin::ApplySkinRetry(form);
    EXPECT_EQ(control.applied, std::vector<platform::Handle>{form.hwnd()}) << "the second attempt skins the window";
    auto& splash = forms::The<frmSplash>();
    EXPECT_TRUE(splash.loaded());
    EXPECT_FALSE(splash.visible());
    EXPECT_FALSE(splash.Timer2.timerEnabled());
    sim::Advance(5000);
    EXPECT_FALSE(forms::The<StubMain>().loaded()) << "the stopped countdown never shows the main window";
}

TEST_F(SkinTest, ApplySkinRetryWaitsForNoSplashThatIsLoadedAlreadyAndPassesTheSecondFailureOn) {
    auto& splash = forms::The<frmSplash>();
    splash.Show();
    sim::Advance(75 * 10);  // the countdown ran out: the splash is hidden, its timer off
    ASSERT_FALSE(splash.Timer2.timerEnabled());
    auto& form = forms::The<Skinned>();
    form.Show();
    const std::uint64_t before = m().now;
    modSkin::SkinControl = nullptr;
    EXPECT_EQ(ErrorNumber([&] { modSkin::ApplySkinRetry(form); }), platform::kErrObjectNotSet)
        << "the second failure reaches the caller";
    EXPECT_EQ(m().now, before) << "a loaded splash does not load again, so its timer is not waited for";
    EXPECT_FALSE(splash.visible());
}

}  // namespace
