// Start-up: the splash fills the product identity, counts 75 ticks and then
// shows the program's main window once.
#include "frame/frm_splash.h"
#include "frame/mod_skin.h"
#include "frame/product_info.h"
#include "platform/error.h"
#include "frame/frame_program.h"
#include "tests/frame/stub_program.h"
#include "tests/support/sim_test.h"

namespace {

class SplashTest : public StubProgramTest {
protected:
    void SetUp() override {
        StubProgramTest::SetUp();
        m().ownVersion = {"Windhover", "Quillmere", "www.quillmere.example", 2, 1, 0};
    }
    // One tick of the splash timer: its 2 ms interval is raised to the
    // timer resolution.
    void Tick() { sim::Advance(static_cast<std::uint64_t>(m().timerResolution)); }
    frmSplash& splash() { return forms::The<frmSplash>(); }
    StubMain& main() { return forms::The<StubMain>(); }
};

TEST_F(SplashTest, MainWindowShowsOnTheSeventyFifthTickOnly) {
    sim::AsUser([] { StartProgram(); });
    ASSERT_TRUE(splash().visible());
    for (int tick = 1; tick <= 74; ++tick) {
        Tick();
        ASSERT_FALSE(main().loaded()) << "main window loaded on tick " << tick;
        ASSERT_EQ(splash().intTemp, 2 * tick);
    }
    Tick();
    EXPECT_EQ(main().loads, 1);
    EXPECT_TRUE(main().visible());
    EXPECT_FALSE(splash().visible());
    EXPECT_TRUE(splash().loaded()) << "the splash stays loaded, hidden";
    EXPECT_FALSE(splash().Timer2.timerEnabled());

    sim::Advance(60'000);
    EXPECT_EQ(main().loads, 1) << "a later tick showed the main window again";
    EXPECT_EQ(splash().intTemp, 150);
}

TEST_F(SplashTest, TicksFollowTheTimerResolutionNotTheInterval) {
    m().timerResolution = 16;
    sim::AsUser([] { StartProgram(); });
    sim::Advance(74 * 16);
    EXPECT_FALSE(main().loaded()) << "the count-down must take 75 timer periods, not 150 ms";
    sim::Advance(16);
    EXPECT_TRUE(main().loaded());
}

TEST_F(SplashTest, LoadFillsProductInfoAndASecondLoadChangesNothing) {
    sim::AsUser([] { StartProgram(); });
    EXPECT_EQ(ProductInfo.ProductName, "Windhover");
    EXPECT_EQ(ProductInfo.CompanyName, "Quillmere");
    EXPECT_EQ(ProductInfo.HomePage, "www.quillmere.example");
    EXPECT_FALSE(ProductInfo.SkinsEnabled);
    EXPECT_FALSE(ProductInfo.UseSplashIcon);

    const ProductInfoRecord first = ProductInfo;
    modProductInfo::LoadProductInfo();
    EXPECT_EQ(ProductInfo.ProductName, first.ProductName);
    EXPECT_EQ(ProductInfo.CompanyName, first.CompanyName);
    EXPECT_EQ(ProductInfo.HomePage, first.HomePage);
}

TEST_F(SplashTest, WithSkinsOffTheSplashTouchesNoSkinObject) {
    int created = 0;
    modSkin::CreateSkinGlobal = [&] {
        ++created;
        return std::unique_ptr<modSkin::SkinGlobalObject>();
    };
    sim::AsUser([] { StartProgram(); });
    sim::Advance(75 * 10);
    EXPECT_EQ(created, 0);
    EXPECT_EQ(skinApplications, 0);
}

TEST_F(SplashTest, AFailingMainWindowIsReportedAndNotRetried) {
    main().onLoad = [] { throw platform::Error(7, "Out of memory"); };
    sim::AsUser([] { StartProgram(); });
    sim::Advance(75 * 10);
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("Out of memory"), std::string::npos);
    EXPECT_FALSE(splash().Timer2.timerEnabled());
    sim::Advance(10'000);
    EXPECT_EQ(p().messageBoxes.size(), 1u) << "the failing tick must not repeat";
    EXPECT_FALSE(p().ended);
}

}  // namespace
