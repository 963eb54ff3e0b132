// The site lists: their files, the items on the main window and the texts the
// decision searches, through Module1 and the main window's Add and Delete.
#include "blocker/ie_class.h"
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
        SCOPED_TRACE(std::string("file '") + c.contents + "'");
        main().List1.clear();
        StageAllowed(c.contents);
        Module1::LoadAllowedList();
        EXPECT_EQ(Items(main().List1), c.items);
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
            FreshRow(std::string(routine.name) + " with " + c.name, [&] {
                StageAllowed(before);
                main().List1.addItem("kept.example");
                main().List1.addItem("shown.example");
                AllowedSites = "kept.example\r\n";
                c.stage(m());
                try {
                    routine.call();
                    ADD_FAILURE() << "no failure reported";
                } catch (const platform::Error& e) {
                    EXPECT_EQ(e.number(), c.error);
                    EXPECT_NE(std::string(e.what()).find(PathOf("allowed.txt")), std::string::npos) << e.what();
                }
                EXPECT_EQ(FileText("allowed.txt"), before);
                EXPECT_EQ(Items(main().List1), (Strings{"kept.example", "shown.example"}));
                EXPECT_EQ(AllowedSites, "kept.example\r\n");
            });
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
        FreshRow(std::string("typed '") + c.typed + "'", [&] {
            main().Text1.userType(c.typed);
            main().Command1.userClick();
            main().Text2.userType(c.typed);
            main().Command4.userClick();
            const std::string line = c.added ? std::string(c.typed) + "\r\n" : "";
            EXPECT_EQ(FileText("allowed.txt"), c.added ? line + "\r\n" : "<missing>");
            EXPECT_EQ(FileText("disallowed.txt"), c.added ? line + "\r\n" : "<missing>");
            EXPECT_EQ(AllowedSites, line);
            EXPECT_EQ(DisallowedSites, line);
            EXPECT_EQ(main().Text1.text(), c.typed);
        });
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

TEST_F(SiteListTest, AFailedDeleteLeavesFileItemsAndTextAsTheyWereAndIsShown) {
    // The removal's own write would fit in the room left on the disk, the
    // whole list's would not.
    const std::string file = "example.com\r\nwww.example.com\r\nother.org\r\n\r\n";
    const struct {
        const char* name;
        std::function<void(sim::Machine&, const std::string& path)> stage;
        const char* said;
    } faults[] = {
        {"a disk with room for less than the list",
         [](sim::Machine& m, const std::string&) { m.writeFaults.diskRoom = 20; }, "the disk is full"},
        {"a read-only file",
         [](sim::Machine& m, const std::string& path) {
             m.files.entries[sim::Fold(path)].attributes |= platform::files::kReadOnly;
         },
         "access is denied"},
        {"a file another program holds open",
         [](sim::Machine& m, const std::string& path) { m.files.locked.insert(sim::Fold(path)); }, "system error 32"},
    };
    for (const auto& fault : faults) {
        for (const bool allowed : {true, false}) {
            const char* name = allowed ? "allowed.txt" : "disallowed.txt";
            FreshRow(std::string(name) + " on " + fault.name, [&] {
                forms::ListBox& items = allowed ? main().List1 : main().List2;
                std::string& text = allowed ? AllowedSites : DisallowedSites;
                m().files.addFile(PathOf(name), file);
                for (const char* site : {"example.com", "www.example.com", "other.org"}) items.addItem(site);
                text = "example.com\r\nwww.example.com\r\nother.org\r\n";
                fault.stage(m(), PathOf(name));
                Select(items, "example.com");
                (allowed ? main().Command2 : main().Command3).userClick();
                EXPECT_EQ(FileText(name), file);
                EXPECT_EQ(Items(items), (Strings{"example.com", "www.example.com", "other.org"}));
                EXPECT_EQ(text, "example.com\r\nwww.example.com\r\nother.org\r\n");
                ASSERT_EQ(p().messageBoxes.size(), 1u);
                EXPECT_NE(p().messageBoxes[0].text.find(fault.said), std::string::npos) << p().messageBoxes[0].text;
                EXPECT_NE(p().messageBoxes[0].text.find(PathOf(name)), std::string::npos);
            });
        }
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

// --- list files in Unicode ------------------------------------------------------

namespace {

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

TEST_F(SiteListTest, UnicodeFilesAreReadAsTextAndWrittenBackInTheirOwnEncoding) {
    // "b\u00FCcher" is one 1252 byte for the u with umlaut; the euro sign is 0x80.
    const struct {
        const char* name;
        std::string file;
        std::string afterAdd;   // the file after an Add of "new.example"
        std::string afterSave;  // the file saved from the items
    } cases[] = {
        {"UTF-16 LE", Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\n", false),
         Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\nnew.example\r\n", false),
         Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\nnew.example\r\n\r\n", false)},
        {"UTF-16 BE", Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\n", true),
         Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\nnew.example\r\n", true),
         Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\nnew.example\r\n\r\n", true)},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "b\xC3\xBC" "cher.example\r\n\xE2\x82\xAC.example\r\n",
         "\xEF\xBB\xBF" "b\xC3\xBC" "cher.example\r\n\xE2\x82\xAC.example\r\nnew.example\r\n",
         "\xEF\xBB\xBF" "b\xC3\xBC" "cher.example\r\n\xE2\x82\xAC.example\r\nnew.example\r\n\r\n"},
        {"ANSI", "b\xFC" "cher.example\r\n\x80.example\r\n", "b\xFC" "cher.example\r\n\x80.example\r\nnew.example\r\n",
         "b\xFC" "cher.example\r\n\x80.example\r\nnew.example\r\n\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            StageAllowed(c.file);
            Module1::LoadAllowedList();
            EXPECT_EQ(Items(main().List1), (Strings{"b\xFC" "cher.example", "\x80.example"}));
            EXPECT_EQ(AllowedSites, "b\xFC" "cher.example\r\n\x80.example\r\n");
            EXPECT_TRUE(OnSiteList(AllowedSites, "B\xFC" "CHER.example")) << "the decision matches the site";
            Module1::AddAllowed("new.example");
            EXPECT_EQ(FileText("allowed.txt"), c.afterAdd);
            Module1::SaveAllowedList();
            EXPECT_EQ(FileText("allowed.txt"), c.afterSave);
            Select(main().List1, "\x80.example");
            main().Command2.userClick();
            EXPECT_EQ(Items(main().List1), (Strings{"b\xFC" "cher.example", "new.example"}));
            main().List1.clear();
            Module1::LoadAllowedList();
            EXPECT_EQ(Items(main().List1), (Strings{"b\xFC" "cher.example", "new.example"}))
                << "the file reads back after the delete";
        });
    }
}

TEST_F(SiteListTest, AFileThatCannotBeReadWholeIsNotLoadedAndAnAddKeepsItsBytes) {
    const struct {
        const char* name;
        std::string file;
        std::string added;  // the line an Add appends
    } cases[] = {
        {"UTF-16 with a character the code page lacks", Utf16(u"\u4F8B.example\r\nkept.example\r\n", false),
         Utf16(u"new.example\r\n", false).substr(2)},
        {"UTF-16 with a lone surrogate", Utf16(u"\xD800.example\r\n", true), Utf16(u"new.example\r\n", true).substr(2)},
        {"UTF-16 cut in a character", Utf16(u"kept.example\r\n", false) + "x", Utf16(u"new.example\r\n", false).substr(2)},
        {"UTF-8 with an overlong form", "\xEF\xBB\xBF\xC0\xAF.example\r\n", "new.example\r\n"},
        {"UTF-8 cut in a character", "\xEF\xBB\xBFkept.example\r\n\xE2\x82", "new.example\r\n"},
        {"UTF-8 with a surrogate", "\xEF\xBB\xBF\xED\xA0\x80.example\r\n", "new.example\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            StageAllowed(c.file);
            AllowedSites = "untouched\r\n";
            EXPECT_EQ(ErrorNumber([] { Module1::LoadAllowedList(); }), 75);
            EXPECT_EQ(main().List1.listCount(), 0);
            EXPECT_EQ(AllowedSites, "untouched\r\n");
            EXPECT_NE(ErrorNumber([] { Module1::RemoveAllowed("kept.example"); }), 0);
            EXPECT_EQ(FileText("allowed.txt"), c.file);
            Module1::AddAllowed("new.example");
            EXPECT_EQ(FileText("allowed.txt"), c.file + c.added) << "its bytes stay, the line in its encoding";
            Module1::SaveAllowedList();
            EXPECT_EQ(FileText("allowed.txt"), c.file + c.added) << "a list not loaded is never saved over its file";
        });
    }
}
