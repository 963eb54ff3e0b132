// The file-exists test, its path trimming and the topmost switch.
#include "frame/mod_on_top.h"
#include "frame/xfile_exists.h"
#include "platform/window.h"
#include "tests/support/sim_test.h"

namespace {

namespace files = platform::files;

TEST(TrimPath, KeepsWhatFollowsTheLastBackslash) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\Program Files\\Quillmere\\Help.rtf", "Help.rtf"},
        {"Help.rtf", "Help.rtf"},
        {"C:\\Program Files\\", ""},
        {"\\", ""},
        {"", ""},
        {"C:Help.rtf", "C:Help.rtf"},
    };
    for (const auto& c : cases) EXPECT_EQ(xfileExists::TrimPath(c.path), c.expected) << c.path;
}

class FileExistsTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        auto& fs = m().files;
        fs.addFile("C:\\App\\Help.rtf", "{\\rtf1 help}");
        fs.addFile("C:\\App\\readonly.txt", "", files::kReadOnly | files::kArchive);
        fs.addFile("C:\\App\\normal.txt", "", files::kNormal);
        fs.addFile("C:\\App\\hidden.txt", "", files::kHidden | files::kArchive);
        fs.addFile("C:\\App\\system.dat", "", files::kSystem);
        fs.addFolder("C:\\App\\sounds");
        fs.addFolder("C:\\Empty");
        fs.unreachable.insert("Z:\\");
    }
};

TEST_F(FileExistsTest, OnlyOrdinaryFilesOfThatExactNameCount) {
    const struct {
        const char* path;
        bool expected;
    } cases[] = {
        {"C:\\App\\Help.rtf", true},     {"c:\\app\\HELP.RTF", true},  // letter case does not matter
        {"C:\\App\\readonly.txt", true}, {"C:\\App\\normal.txt", true},
        {"C:\\App\\hidden.txt", false},  {"C:\\App\\system.dat", false},
        {"C:\\App\\sounds", false},                             // a folder
        {"C:\\App\\*.rtf", false},                              // a pattern names no file
        {"C:\\App\\Help.rt?", false},    {"C:\\App\\", false},  // a trailing backslash names a folder
        {"C:\\Empty\\", false},                                 // ... also when the folder is empty
        {"C:\\App\\missing.txt", false}, {"C:\\Nowhere\\Help.rtf", false},
        {"Z:\\App\\Help.rtf", false},  // an unreachable drive
        {"C:\\App\\bad|name", false},    {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(xfileExists::fileExists(c.path), c.expected) << c.path;
}

class OnTopTest : public SimTest {
protected:
    struct Plain : forms::Form {
        Plain() : Form("Plain") {}
    };
};

TEST_F(OnTopTest, MovesTheWindowInAndOutOfTheTopmostBandWithoutMovingIt) {
    auto& form = forms::The<Plain>();
    form.Show();
    modOnTop::SetFormOnTop(form, true);
    modOnTop::SetFormOnTop(form, true);
    EXPECT_TRUE(Topmost(form.hwnd()));
    modOnTop::SetFormOnTop(form, false);
    EXPECT_FALSE(Topmost(form.hwnd()));
    const auto calls = sim::Journal<sim::SetWindowPosCall>();
    ASSERT_EQ(calls.size(), 3u);
    for (const auto& call : calls) {
        EXPECT_EQ(call.window, form.hwnd());
        EXPECT_EQ(call.flags, platform::window::kSwpNoMove | platform::window::kSwpNoSize);
    }
    EXPECT_EQ(calls[0].insertAfter, platform::window::kHwndTopmost);
    EXPECT_EQ(calls[2].insertAfter, platform::window::kHwndNoTopmost);
}

TEST_F(OnTopTest, AnUnloadedWindowFailsQuietly) {
    auto& form = forms::The<Plain>();
    modOnTop::SetFormOnTop(form, true);
    const auto calls = sim::Journal<sim::SetWindowPosCall>();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].result) << "no window, no topmost band";
}

}  // namespace
