// The tool tips of windhover's windows, read back once the window is up:
// every control carries its own tip, word for word, and the others none.
#include "tests/blocker/blocker_fixture.h"
#include "tests/blocker/main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, EveryControlOfTheMainWindowCarriesItsToolTip) {
    Start();
    ASSERT_TRUE(main().visible());
    const std::string blocking = "This controls whether popup blocking is on or off.";
    const std::string setup =
        "When in Setup Mode, whenever a site attempts to open a popup you be prompted to either allow it or disallow "
        "it.  We recommend using Setup Mode for a few days to collect a list of allowed and disallowed sites.";
    const std::string links =
        "The program can detect when your mouse is over a link, which will allow links that open in new windows to be "
        "opened.  The program will be less accurate with this option on, but it may be more convenient for you.";
    const std::string sound = "If selected, every time a popup is blocked you will hear a POP! sound.";
    const std::string onTop = "This causes the program to stay on top of other windows.";
    const std::string run =
        "This will enable the program to be run every time you start your computer, so that you don't have to "
        "remember to open it before browsing.";
    ExpectToolTips(
        main(),
        {
            {"Check1", blocking},
            {"Label5", blocking},
            {"Check2", setup},
            {"Label6", setup},
            {"Check6", links},
            {"Label4", links},
            {"Check5", sound},
            {"Label2", sound},
            {"Check3", onTop},
            {"Label7", onTop},
            {"Check4", run},
            {"Label8", run},
            {"Label3",
             "allowed sites will be able to open popup windows.  however, the windows that popup are not affected by "
             "shrikewatch and will be able to launch popups."},
            {"List1", "sites that are allowed will not be prevented from opening popups"},
            {"Text1", "Type the domain of a site to allow, such as www.example.com, and click Add."},
            {"Command1", "Allow popups from the site typed in the text box to the left."},
            {"Command2", "Remove the selected site from the Allowed List"},
            {"Label1",
             "by default, shrikewatch.  adding a site to the disallowed list  prevents it from notifying you of popups "
             "while in setup mode."},
            {"List2",
             "all sites that are not \"allowed\" are blocked by shrikewatch.  disallowed sites will not prompt you "
             "from "
             "setup mode."},
            {"Text2", "Type the domain of a site to disallow, such as www.example.com, and click Add."},
            {"Command4", "Prevent popups from the site typed in the text box to the left."},
            {"Command3", "Remove the selected site from the Disallowed List"},
            {"Command5",
             "This will allow the next popup to be opened.  You can also press Win + Z or right click the Program "
             "Icon.  This is useful if a legitimate window is being misinterpreted as a popup."},
            {"Command6",
             "The program will run silently in the taskbar while you browse.  You can right click the program icon "
             "for a list of options, or to maximize the program."},
        });
}

class PromptTipsTest : public BlockerTest {};

TEST_F(PromptTipsTest, ThreeAnswersOfThePromptCarryTheirToolTips) {
    prompt().Show();
    ExpectToolTips(
        prompt(),
        {
            {"Command1", "allow this site to display popups.  you will not see this window again for this site."},
            {"Command2",
             "prevents this site from displaying popups.  you will not see this window again for this site."},
            {"Command3",
             "ignore this prompt for now.  this window will be displayed the next time a popup window "
             "appears."},
        });
}

}  // namespace
