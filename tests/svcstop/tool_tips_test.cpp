// The tool tips of nightjar's windows, read back once the window is up: the
// website window's go and navigation buttons carry theirs, word for word,
// and no other control of it or of the main window has one.
#include "svcstop/frm_website.h"
#include "tests/svcstop/nightjar_test.h"

namespace {

TEST_F(StartedTest, OnlyTheWebsiteWindowsButtonsCarryToolTips) {
    ExpectToolTips(main(), {});
    User([&] { main().cmdWebsite.userClick(); });
    auto& website = forms::The<nightjar::frmWebsite>();
    ASSERT_TRUE(website.visible());
    ExpectToolTips(website, {
                                {"Command3", "browse the entered url"},
                                {"Command4", "back"},
                                {"Command5", "forward"},
                                {"Command6", "stop"},
                                {"Command7", "refresh"},
                            });
}

}  // namespace
