// The site lists: their files, the items on the main window and the texts the
// decision searches, through Module1 and the main window's Add and Delete.
#include <deque>

#include "blocker/ie_class.h"
#include "blocker/list_encoding.h"
#include "blocker/module1.h"
#include "platform/error.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

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

TEST_F(SiteListTest, AddAppendsToFileItemsAndTextAlsoTwiceAndToAMissingFile) {
    Module1::AddAllowed("www.Site.example");
    Module1::AddAllowed("www.Site.example");
    EXPECT_EQ(FileText("allowed.txt"), "www.Site.example\r\nwww.Site.example\r\n");
    EXPECT_EQ(Items(main().List1), (Strings{"www.Site.example", "www.Site.example"}));
    EXPECT_EQ(AllowedSites, "www.Site.example\r\nwww.Site.example\r\n");
}

TEST_F(SiteListTest, AFailedWriteLeavesFileItemsAndTextAndReachesTheCaller) {
    const std::string before = "kept.example\r\n\r\n";
    const struct {
        const char* name;
        std::function<void(sim::Machine&)> stage;
        long error;
    } cases[] = {
        {"read-only file",
         [](sim::Machine& m) {
             m.files.entries[sim::Fold(PathOf("allowed.txt"))].attributes |= platform::files::kReadOnly;
         },
         platform::kErrPathFileAccess},
        {"unwritable folder", [](sim::Machine& m) { m.writeFaults.unwritableFolders.insert(Folder()); },
         platform::kErrPathFileAccess},
        {"disk full half way", [](sim::Machine& m) { m.writeFaults.diskFullAfter = 1; }, platform::kErrDiskFull},
    };
    const struct {
        const char* name;
        std::function<void()> call;
    } routines[] = {
        {"add", [] { Module1::AddAllowed("new.example"); }},
        {"delete", [] { Module1::DeleteAllowed(0); }},
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

TEST_F(SiteListTest, DeleteFailsOnAFileDeletedMeanwhileAndAddMakesItAgain) {
    StageAllowed("gone.example\r\n");
    Module1::LoadAllowedList();
    m().files.entries.erase(sim::Fold(PathOf("allowed.txt")));
    EXPECT_EQ(ErrorNumber([] { Module1::DeleteAllowed(0); }), 53);
    EXPECT_EQ(AllowedSites, "gone.example\r\n");
    EXPECT_EQ(Items(main().List1), (Strings{"gone.example"}));
    Module1::AddAllowed("new.example");
    EXPECT_EQ(FileText("allowed.txt"), "new.example\r\n");
    EXPECT_EQ(Items(main().List1), (Strings{"new.example"})) << "the list shows the file";
    EXPECT_EQ(AllowedSites, "new.example\r\n");
}

TEST_F(SiteListTest, ALoadOfAMissingFileFailsAndTheListIsThenNeverWritten) {
    for (const auto& call : {Module1::LoadAllowedList, Module1::LoadDisallowedList}) EXPECT_EQ(ErrorNumber(call), 53);
    EXPECT_EQ(ErrorNumber([] { Module1::AddAllowed("new.example"); }), platform::kErrPathFileAccess);
    EXPECT_EQ(FileText("allowed.txt"), "<missing>");
    EXPECT_EQ(main().List1.listCount(), 0);
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
            EXPECT_EQ(FileText("allowed.txt"), c.added ? line : "<missing>");
            EXPECT_EQ(FileText("disallowed.txt"), c.added ? line : "<missing>");
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

// --- a change is one line of the file as it is on disk --------------------------

// An Add (of the site) or a Delete (of the item with that text).
struct Action {
    bool add;
    const char* site;
};
const Action Add(const char* site) { return {true, site}; }
const Action Delete(const char* site) { return {false, site}; }

class ListChangeTest : public SiteListTest {
protected:
    // The user's Add or Delete beside the allowed list.
    void Do(const Action& action) {
        if (action.add) {
            main().Text1.userType(action.site);
            main().Command1.userClick();
        } else {
            Select(main().List1, action.site);
            main().Command2.userClick();
        }
    }
    // The list box and the decision's text show the file's entries.
    void ExpectListShowsTheFile() {
        std::string text;
        ASSERT_TRUE(DecodeListFile(FileText("allowed.txt"), &text));
        EXPECT_EQ(Items(main().List1), Module1::FileEntries(text));
        EXPECT_EQ(AllowedSites, Module1::ItemsText(main().List1));
    }
    // Nothing is left beside the list file.
    void ExpectNothingBeside() {
        for (const auto& [path, entry] : m().files.entries)
            EXPECT_NE(entry.name[0], '~') << path << " is left in the folder";
    }
    // The change was made without a word: the file holds those bytes, the
    // list shows them and nothing is left beside.
    void ExpectChanged(const std::string& after) {
        EXPECT_TRUE(p().messageBoxes.empty()) << p().messageBoxes[0].text;
        EXPECT_EQ(FileText("allowed.txt"), after);
        ExpectListShowsTheFile();
        ExpectNothingBeside();
    }
};

TEST_F(ListChangeTest, AnAddOrDeleteChangesOnlyItsOwnLineAndKeepsEveryOtherByte) {
    const struct {
        const char* name;
        std::string before;
        Action action;
        std::string after;
    } cases[] = {
        {"Add to an LF-only file", "a.example\nb.example\n", Add("c.example"), "a.example\nb.example\nc.example\n"},
        {"Add to a CR-only file", "a.example\rb.example\r", Add("c.example"), "a.example\rb.example\rc.example\r"},
        {"Add to a CR LF file", "a.example\r\n", Add("c.example"), "a.example\r\nc.example\r\n"},
        {"Add to a file with no final line end", "a.example\nb.example", Add("c.example"),
         "a.example\nb.example\nc.example\n"},
        {"Add to a one-line file with no line end", "a.example", Add("c.example"), "a.example\r\nc.example\r\n"},
        {"Add to mixed line ends takes the last one", "a.example\r\nb.example\n", Add("c.example"),
         "a.example\r\nb.example\nc.example\n"},
        {"Add to an empty file", "", Add("c.example"), "c.example\r\n"},
        {"Add keeps empty lines, a line of one space and comments", "# my sites\n\na.example\n \n\n", Add("c.example"),
         "# my sites\n\na.example\n \n\nc.example\n"},
        {"Add after the empty line a whole rewrite used to leave", "a.example\r\n\r\n", Add("c.example"),
         "a.example\r\n\r\nc.example\r\n"},
        {"Add to UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "a.example\n",
         Add("b\xFC.example"),
         "\xEF\xBB\xBF"
         "a.example\nb\xC3\xBC.example\n"},
        {"Add to UTF-16 LE with no final line end", Utf16(u"a.example", false), Add("c.example"),
         Utf16(u"a.example\r\nc.example\r\n", false)},
        {"Add to UTF-16 BE, CR only", Utf16(u"a.example\r", true), Add("c.example"),
         Utf16(u"a.example\rc.example\r", true)},
        {"Delete in the middle", "a.example\r\nb.example\r\nc.example\r\n", Delete("b.example"),
         "a.example\r\nc.example\r\n"},
        {"Delete at the end with no final line end", "a.example\nb.example\nc.example", Delete("c.example"),
         "a.example\nb.example\n"},
        {"Delete keeps empty lines, a line of one space and comments", "# my sites\n\na.example\n \nb.example\n",
         Delete("a.example"), "# my sites\n\n \nb.example\n"},
        {"Delete takes only its own line end", "a.example\r\nb.example\nc.example\r", Delete("b.example"),
         "a.example\r\nc.example\r"},
        {"Delete of an entry a longer one holds", "example.com\nwww.example.com\n", Delete("example.com"),
         "www.example.com\n"},
        {"Delete of a line of two blanks", "a.example\n  \n", Delete("  "), "a.example\n"},
        {"Delete in UTF-16 BE", Utf16(u"a.example\nb.example\n", true), Delete("a.example"),
         Utf16(u"b.example\n", true)},
        {"Delete of a first line that leaves ANSI text beginning like a mark",
         "a.example\r\xFE\xFF"
         "b.example\r",
         Delete("a.example"),
         "\r\n\xFE\xFF"
         "b.example\r"},
        {"Add to an empty file of a site beginning like a mark", "", Add("\xFF\xFE.example"),
         "\r\n\xFF\xFE.example\r\n"},
        {"Delete in UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "b\xC3\xBC.example\r\na.example\r\n",
         Delete("b\xFC.example"),
         "\xEF\xBB\xBF"
         "a.example\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            StageAllowed(c.before);
            Module1::LoadAllowedList();
            Do(c.action);
            ExpectChanged(c.after);
        });
    }
}

TEST_F(ListChangeTest, DeleteTakesTheLineOfTheChosenItemAmongEqualOnes) {
    StageAllowed("a.example\nx.example\na.example\r\n");
    Module1::LoadAllowedList();
    main().List1.userSelect(2);
    main().Command2.userClick();
    EXPECT_EQ(FileText("allowed.txt"), "a.example\nx.example\n");
    EXPECT_EQ(Items(main().List1), (Strings{"a.example", "x.example"}));
}

// Another copy of the program or an editor changes the file while the
// program runs: between the load and the change, or in the change itself,
// between its read and its write.
TEST_F(ListChangeTest, AChangeKeepsWhatAnotherProgramWroteMeanwhile) {
    const struct {
        const char* name;
        std::string loaded;                 // the file at the load
        std::string edited;                 // what the other program left before the change
        std::deque<std::string> meanwhile;  // what it writes as the change is written
        Action action;
        std::string after;
    } cases[] = {
        {"another copy added a site",
         "a.example\r\n",
         "a.example\r\nother.example\r\n",
         {},
         Add("mine.example"),
         "a.example\r\nother.example\r\nmine.example\r\n"},
        {"an editor appended a line with no line end",
         "a.example\n",
         "a.example\nedited.example",
         {},
         Add("mine.example"),
         "a.example\nedited.example\nmine.example\n"},
        {"an editor took a line out",
         "a.example\nb.example\nc.example\n",
         "a.example\nc.example\n",
         {},
         Delete("c.example"),
         "a.example\n"},
        {"an editor took the deleted line out already",
         "a.example\nb.example\n",
         "a.example\n",
         {},
         Delete("b.example"),
         "a.example\n"},
        {"another copy writes as the Add is written",
         "a.example\n",
         "a.example\n",
         {"a.example\nother.example\n"},
         Add("mine.example"),
         "a.example\nother.example\nmine.example\n"},
        {"an editor writes twice as the Delete is written",
         "a.example\nb.example\n",
         "a.example\nb.example\n",
         {"a.example\nb.example\nc.example\n", "z.example\nb.example\nc.example\n"},
         Delete("b.example"),
         "z.example\nc.example\n"},
        {"another program deletes the file as the Add is written",
         "a.example\n",
         "a.example\n",
         {""},
         Add("mine.example"),
         "mine.example\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            StageAllowed(c.loaded);
            Module1::LoadAllowedList();
            StageAllowed(c.edited);
            m().files.writtenMeanwhile[sim::Fold(PathOf("allowed.txt"))] = c.meanwhile;
            Do(c.action);
            ExpectChanged(c.after);
        });
    }
}

TEST_F(ListChangeTest, AFileAnotherProgramKeepsChangingIsLeftToItAndTheUserIsTold) {
    StageAllowed("a.example\n");
    Module1::LoadAllowedList();
    std::deque<std::string> versions;
    for (int i = 0; i < 10; ++i) versions.push_back("a.example\nother" + std::to_string(i) + ".example\n");
    m().files.writtenMeanwhile[sim::Fold(PathOf("allowed.txt"))] = versions;
    Do(Add("mine.example"));
    ASSERT_EQ(p().messageBoxes.size(), 1u);
    EXPECT_NE(p().messageBoxes[0].text.find(PathOf("allowed.txt") + ": another program changed it"), std::string::npos)
        << p().messageBoxes[0].text;
    const std::string last = FileText("allowed.txt");
    EXPECT_EQ(last.find("mine.example"), std::string::npos) << last;
    EXPECT_EQ(Items(main().List1), (Strings{"a.example"})) << "the list stays as it was";
    EXPECT_EQ(AllowedSites, "a.example\r\n");
    ExpectNothingBeside();
}

// A file that another program makes between the Add's read and its write is
// appended to, never written over.
TEST_F(ListChangeTest, AFileMadeMeanwhileByAnotherProgramIsAddedToNotReplaced) {
    const struct {
        const char* name;
        std::deque<std::string> meanwhile;
        std::string after;
    } cases[] = {
        {"no other program", {}, "mine.example\r\n"},
        {"another copy makes it", {"theirs.example\r\n"}, "theirs.example\r\nmine.example\r\n"},
        {"an editor makes it, LF only", {"theirs.example\n"}, "theirs.example\nmine.example\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            m().files.writtenMeanwhile[sim::Fold(PathOf("allowed.txt"))] = c.meanwhile;
            Do(Add("mine.example"));
            ExpectChanged(c.after);
        });
    }
}

TEST_F(ListChangeTest, AFileBrokenAfterTheLoadIsNotChangedAndTheUserIsToldWhy) {
    StageAllowed("a.example\r\n");
    Module1::LoadAllowedList();
    const std::string broken = Utf16(u"a.example\r\n", false) + "x";
    StageAllowed(broken);
    Do(Add("mine.example"));
    Do(Delete("a.example"));
    EXPECT_EQ(FileText("allowed.txt"), broken);
    EXPECT_EQ(Items(main().List1), (Strings{"a.example"}));
    EXPECT_EQ(AllowedSites, "a.example\r\n");
    ASSERT_EQ(p().messageBoxes.size(), 2u);
    for (const auto& box : p().messageBoxes)
        EXPECT_NE(box.text.find("Cannot read the site list " + PathOf("allowed.txt")), std::string::npos) << box.text;
}

// The file calls take a path of up to 260 characters: a list there loads,
// and changes as well, since what is written beside it has no longer a name.
TEST_F(ListChangeTest, AListWhosePathHasUpTo260CharactersLoadsAndChanges) {
    for (const std::size_t length : {259u, 260u}) {
        FreshRow(std::to_string(length) + " characters", [&] {
            // The folder, then "\\allowed.txt".
            std::string folder = "C:\\Lists";
            while (folder.size() + 12 < length) folder += folder.size() % 40 ? 'x' : '\\';
            m().files.programFolder = folder;
            ASSERT_EQ(PathOf("allowed.txt").size(), length);
            StageAllowed("a.example\n");
            Module1::LoadAllowedList();
            Do(Add("b.example"));
            Do(Delete("a.example"));
            ExpectChanged("b.example\n");
        });
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

TEST_F(SiteListTest, UnicodeFilesAreReadAsTextAndChangedInTheirOwnEncoding) {
    // "b\u00FCcher" is one 1252 byte for the u with umlaut; the euro sign is 0x80.
    const struct {
        const char* name;
        std::string file;
        std::string afterAdd;     // the file after an Add of "new.example"
        std::string afterDelete;  // and then a Delete of the euro's entry
    } cases[] = {
        {"UTF-16 LE", Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\n", false),
         Utf16(u"b\u00FCcher.example\r\n\u20AC.example\r\nnew.example\r\n", false),
         Utf16(u"b\u00FCcher.example\r\nnew.example\r\n", false)},
        {"UTF-16 BE with LF", Utf16(u"b\u00FCcher.example\n\u20AC.example\n", true),
         Utf16(u"b\u00FCcher.example\n\u20AC.example\nnew.example\n", true),
         Utf16(u"b\u00FCcher.example\nnew.example\n", true)},
        {"UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "b\xC3\xBC"
         "cher.example\r\n\xE2\x82\xAC.example\r\n",
         "\xEF\xBB\xBF"
         "b\xC3\xBC"
         "cher.example\r\n\xE2\x82\xAC.example\r\nnew.example\r\n",
         "\xEF\xBB\xBF"
         "b\xC3\xBC"
         "cher.example\r\nnew.example\r\n"},
        {"ANSI",
         "b\xFC"
         "cher.example\r\n\x80.example\r\n",
         "b\xFC"
         "cher.example\r\n\x80.example\r\nnew.example\r\n",
         "b\xFC"
         "cher.example\r\nnew.example\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            StageAllowed(c.file);
            Module1::LoadAllowedList();
            EXPECT_EQ(Items(main().List1), (Strings{"b\xFC"
                                                    "cher.example",
                                                    "\x80.example"}));
            EXPECT_EQ(AllowedSites,
                      "b\xFC"
                      "cher.example\r\n\x80.example\r\n");
            EXPECT_TRUE(OnSiteList(AllowedSites,
                                   "B\xFC"
                                   "CHER.example"))
                << "the decision matches the site";
            Module1::AddAllowed("new.example");
            EXPECT_EQ(FileText("allowed.txt"), c.afterAdd);
            Select(main().List1, "\x80.example");
            main().Command2.userClick();
            EXPECT_EQ(FileText("allowed.txt"), c.afterDelete);
            EXPECT_EQ(Items(main().List1), (Strings{"b\xFC"
                                                    "cher.example",
                                                    "new.example"}));
            EXPECT_EQ(AllowedSites,
                      "b\xFC"
                      "cher.example\r\nnew.example\r\n");
        });
    }
}

TEST_F(SiteListTest, AFileNotReadWholeIsNeverWrittenAndAChangeSaysWhichFileAndWhy) {
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"UTF-16 with a character the code page lacks", Utf16(u"\u4F8B.example\r\nkept.example\r\n", false)},
        {"UTF-16 with a lone surrogate", Utf16(u"\xD800.example\r\n", true)},
        {"UTF-16 cut in a character", Utf16(u"kept.example\r\n", false) + "x"},
        {"UTF-8 with an overlong form", "\xEF\xBB\xBF\xC0\xAF.example\r\n"},
        {"UTF-8 cut in a character", "\xEF\xBB\xBFkept.example\r\n\xE2\x82"},
        {"UTF-8 with a surrogate", "\xEF\xBB\xBF\xED\xA0\x80.example\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            StageAllowed(c.file);
            AllowedSites = "untouched\r\n";
            EXPECT_EQ(ErrorNumber([] { Module1::LoadAllowedList(); }), platform::kErrPathFileAccess);
            EXPECT_EQ(main().List1.listCount(), 0);
            main().Text1.userType("new.example");
            main().Command1.userClick();
            // Were an item shown, its Delete would be refused as well.
            main().List1.addItem("kept.example");
            main().List1.userSelect(0);
            main().Command2.userClick();
            EXPECT_EQ(FileText("allowed.txt"), c.file) << "its bytes stay";
            EXPECT_EQ(Items(main().List1), (Strings{"kept.example"}));
            EXPECT_EQ(AllowedSites, "untouched\r\n");
            ASSERT_EQ(p().messageBoxes.size(), 2u);
            for (const auto& box : p().messageBoxes) {
                EXPECT_NE(box.text.find(PathOf("allowed.txt")), std::string::npos) << box.text;
                EXPECT_NE(box.text.find("Cannot read the site list"), std::string::npos) << box.text;
            }
        });
    }
}
