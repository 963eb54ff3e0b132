// The site lists: their files, the items on the main window and the texts the
// decision searches, through Module1 and the main window's Add and Delete.
#include "blocker/module1.h"
#include "platform/error.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;

class SiteListTest : public BlockerTest {
protected:
    static std::vector<std::string> Items(const forms::ListBox& items) { return items.items(); }
    void StageAllowed(const std::string& contents) { m().files.addFile(PathOf("allowed.txt"), contents); }
    void Select(forms::ListBox& items, const std::string& site) {
        for (int i = 0; i < items.listCount(); ++i)
            if (items.list(i) == site) items.userSelect(i);
    }
    using Strings = std::vector<std::string>;
};

TEST_F(SiteListTest, LoadTakesEveryLineButEmptyAndSingleBlankOnes) {
    const struct {
        const char* contents;
        std::vector<std::string> items;
    } cases[] = {
        {"a.example\r\nb.example\r\n\r\n", {"a.example", "b.example"}},
        {"\r\n \r\n  \r\nc.example", {"  ", "c.example"}},
        {"unix.example\nmac.example\rdos.example\r\n", {"unix.example", "mac.example", "dos.example"}},
        {"two\n\nblank\r\r\nlines", {"two", "blank", "lines"}},
        {"Kept As Typed \r\n", {"Kept As Typed "}},
        {"", {}},
    };
    for (const auto& c : cases) {
        main().List1.clear();
        StageAllowed(c.contents);
        Module1::LoadAllowedList();
        EXPECT_EQ(Items(main().List1), c.items) << c.contents;
        std::string text;
        for (const auto& item : c.items) text += item + "\r\n";
        EXPECT_EQ(AllowedSites, text);
    }
}

TEST_F(SiteListTest, SaveWritesEveryItemAndOneEmptyLineAndLoadsBack) {
    main().List2.addItem("one.example");
    main().List2.addItem("two.example");
    DisallowedSites = "untouched";
    Module1::SaveDisallowedList();
    EXPECT_EQ(FileText("disallowed.txt"), "one.example\r\ntwo.example\r\n\r\n");
    EXPECT_EQ(DisallowedSites, "untouched");
    main().List2.clear();
    Module1::LoadDisallowedList();
    EXPECT_EQ(Items(main().List2), (Strings{"one.example", "two.example"}));
}

TEST_F(SiteListTest, AddAppendsToFileItemsAndTextAlsoTwiceAndToAMissingFile) {
    Module1::AddAllowed("www.Site.example");
    Module1::AddAllowed("www.Site.example");
    EXPECT_EQ(FileText("allowed.txt"), "www.Site.example\r\nwww.Site.example\r\n");
    EXPECT_EQ(Items(main().List1), (Strings{"www.Site.example", "www.Site.example"}));
    EXPECT_EQ(AllowedSites, "www.Site.example\r\nwww.Site.example\r\n");
}

TEST_F(SiteListTest, RemoveDropsEveryLineHoldingTheSiteInAnyCase) {
    StageAllowed("Example.com\r\nwww.EXAMPLE.com\r\nother.org\r\n\r\n");
    main().List1.addItem("untouched");
    Module1::RemoveAllowed("example.COM");
    EXPECT_EQ(FileText("allowed.txt"), "other.org\r\n\r\n\r\n");
    EXPECT_EQ(AllowedSites, "other.org\r\n\r\n");
    EXPECT_EQ(Items(main().List1), (Strings{"untouched"}));
}

TEST_F(SiteListTest, AFailedWriteLeavesFileItemsAndTextAndReachesTheCaller) {
    const std::string before = "kept.example\r\n\r\n";
    const struct {
        const char* name;
        std::function<void(sim::Machine&)> stage;
        long error;
    } cases[] = {
        {"read-only file", [](sim::Machine& m) { m.files.entries[sim::Fold(PathOf("allowed.txt"))].attributes |= platform::files::kReadOnly; }, 75},
        {"unwritable folder", [](sim::Machine& m) { m.writeFaults.unwritableFolders.insert(Folder()); }, 75},
        {"disk full half way", [](sim::Machine& m) { m.writeFaults.diskFullAfter = 1; }, 61},
    };
    const struct {
        const char* name;
        std::function<void()> call;
    } routines[] = {
        {"add", [] { Module1::AddAllowed("new.example"); }},
        {"remove", [] { Module1::RemoveAllowed("kept.example"); }},
        {"save", [] { Module1::SaveAllowedList(); }},
    };
    for (const auto& c : cases) {
        for (const auto& routine : routines) {
            SetUp();
            StageAllowed(before);
            main().List1.addItem("kept.example");
            main().List1.addItem("shown.example");
            AllowedSites = "kept.example\r\n";
            c.stage(m());
            try {
                routine.call();
                ADD_FAILURE() << routine.name << " with " << c.name << " reported no failure";
            } catch (const platform::Error& e) {
                EXPECT_EQ(e.number(), c.error) << routine.name << " with " << c.name;
                EXPECT_NE(std::string(e.what()).find(PathOf("allowed.txt")), std::string::npos) << e.what();
            }
            EXPECT_EQ(FileText("allowed.txt"), before) << routine.name << " with " << c.name;
            EXPECT_EQ(Items(main().List1), (Strings{"kept.example", "shown.example"}));
            EXPECT_EQ(AllowedSites, "kept.example\r\n");
        }
    }
}

TEST_F(SiteListTest, RemoveAndLoadFailOnAFileDeletedMeanwhileAndAddCreatesItAgain) {
    AllowedSites = "gone.example\r\n";
    for (const auto& call : {Module1::LoadAllowedList, Module1::LoadDisallowedList}) {
        try {
            call();
            ADD_FAILURE() << "a missing file loads";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), 53);
        }
    }
    EXPECT_THROW(Module1::RemoveAllowed("gone.example"), platform::Error);
    EXPECT_EQ(AllowedSites, "gone.example\r\n");
    Module1::AddAllowed("new.example");
    EXPECT_EQ(FileText("allowed.txt"), "new.example\r\n");
}

// --- the main window's Add and Delete buttons -----------------------------------

TEST_F(SiteListTest, AddRefusesNothingAndOneBlankAndKeepsTheTypedText) {
    const struct {
        const char* typed;
        bool added;
    } cases[] = {{"", false}, {" ", false}, {"  ", true}, {"Site.example", true}};
    for (const auto& c : cases) {
        SetUp();
        main().Text1.userType(c.typed);
        main().Command1.userClick();
        main().Text2.userType(c.typed);
        main().Command4.userClick();
        const std::string line = c.added ? std::string(c.typed) + "\r\n" : "";
        EXPECT_EQ(FileText("allowed.txt"), c.added ? line + "\r\n" : "<missing>") << "'" << c.typed << "'";
        EXPECT_EQ(FileText("disallowed.txt"), c.added ? line + "\r\n" : "<missing>");
        EXPECT_EQ(AllowedSites, line);
        EXPECT_EQ(DisallowedSites, line);
        EXPECT_EQ(main().Text1.text(), c.typed);
    }
}

TEST_F(SiteListTest, AFailingAddIsShownAndTheTypedTextStays) {
    m().writeFaults.unwritableFolders.insert(Folder());
    main().Text1.userType("site.example");
    main().Command1.userClick();
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find("access is denied"), std::string::npos) << p().messageBoxes[0].text;
    EXPECT_EQ(main().Text1.text(), "site.example");
    EXPECT_EQ(main().List1.listCount(), 0);
    EXPECT_EQ(AllowedSites, "");
}

TEST_F(SiteListTest, DeleteLeavesFileItemsAndTextAlikeWhenALongerHostHoldsTheSite) {
    const struct {
        forms::ListBox& items;
        std::string& text;
        forms::CommandButton& button;
        const char* file;
    } lists[] = {
        {main().List1, AllowedSites, main().Command2, "allowed.txt"},
        {main().List2, DisallowedSites, main().Command3, "disallowed.txt"},
    };
    for (const auto& list : lists) {
        m().files.addFile(PathOf(list.file), "example.com\r\nwww.example.com\r\nother.org\r\n\r\n");
        for (const char* site : {"example.com", "www.example.com", "other.org"}) list.items.addItem(site);
        list.text = "example.com\r\nwww.example.com\r\nother.org\r\n";
        Select(list.items, "example.com");
        list.button.userClick();
        EXPECT_EQ(Items(list.items), (Strings{"www.example.com", "other.org"})) << list.file;
        EXPECT_EQ(FileText(list.file), "www.example.com\r\nother.org\r\n\r\n");
        EXPECT_EQ(list.text, "www.example.com\r\nother.org\r\n");
    }
}

TEST_F(SiteListTest, DeleteWithNothingSelectedChangesAndWritesNothing) {
    m().writeFaults.unwritableFolders.insert(Folder());  // a write would show a message
    main().Command2.userClick();
    StageAllowed("a.example\r\n");
    main().List1.addItem("a.example");
    AllowedSites = "a.example\r\n";
    main().Command2.userClick();
    EXPECT_TRUE(p().messageBoxes.empty());
    EXPECT_EQ(main().List1.listCount(), 1);
    EXPECT_EQ(AllowedSites, "a.example\r\n");
}

}  // namespace
