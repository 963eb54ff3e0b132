// How a site-list file's bytes are read: UTF-16 without a byte-order mark told
// by its NUL bytes, every other file that holds NULs refused with its reason,
// and the lists on a system whose ANSI code page is UTF-8.
#include <string>
#include <vector>

#include "blocker/list_encoding.h"
#include "blocker/module1.h"
#include "platform/error.h"
#include "platform/text.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;
using namespace std::string_literals;
using Strings = std::vector<std::string>;

// The units as UTF-16 bytes in that byte order, without a mark.
std::string Units(const std::u16string& text, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
std::string Le(const std::u16string& text) { return Units(text, false); }
std::string Be(const std::u16string& text) { return Units(text, true); }

class ListEncodingTest : public BlockerTest {
protected:
    void StageAllowed(const std::string& contents) { m().files.addFile(PathOf("allowed.txt"), contents); }

    // The text of the error the load raises; empty when it loads.
    std::string LoadFault() {
        try {
            Module1::LoadAllowedList();
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.number(), platform::kErrPathFileAccess);
            return error.what();
        }
        return {};
    }

    struct Row {
        const char* name;
        std::string file;
        ListEncoding encoding;
        Strings entries;      // the entries loaded
        const char* refusal;  // a part of the refusal's text; nullptr when the file loads
    };

    // Each file loads its entries, or is refused naming the file and the
    // reason, with nothing on the list and the decision's text untouched.
    void ExpectRows(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            FreshRow(row.name, [&] {
                StageAllowed(row.file);
                AllowedSites = "untouched\r\n";
                EXPECT_EQ(EncodingOf(row.file), row.encoding);
                const std::string fault = LoadFault();
                EXPECT_EQ(main().List1.items(), row.entries);
                if (row.refusal) {
                    EXPECT_NE(fault.find("Cannot read the site list " + PathOf("allowed.txt") + ": "),
                              std::string::npos)
                        << fault;
                    EXPECT_NE(fault.find(row.refusal), std::string::npos) << fault;
                    EXPECT_EQ(AllowedSites, "untouched\r\n");
                } else {
                    EXPECT_EQ(fault, "");
                    EXPECT_EQ(AllowedSites, Module1::ItemsText(main().List1));
                }
                EXPECT_EQ(FileText("allowed.txt"), row.file) << "reading changes no byte";
            });
        }
    }
};

const char* const kNulBytes = "it holds NUL bytes";
const char* const kHalfUnmarked = "UTF-16 text without a byte-order mark that ends in the middle of a character";

TEST_F(ListEncodingTest, Utf16WithoutAMarkIsToldByItsNulsAndEveryOtherFileWithNulsIsRefused) {
    // "b\u00FCcher" is one 1252 byte for the u with umlaut; the euro sign is 0x80.
    const Strings both = {
        "b\xFC"
        "cher.example",
        "\x80.example"};
    const std::u16string text = u"b\u00FCcher.example\r\n\u20AC.example\r\n";
    ExpectRows({
        {"UTF-16 LE without a mark", Le(text), ListEncoding::Utf16LeNoMark, both, nullptr},
        {"UTF-16 BE without a mark", Be(text), ListEncoding::Utf16BeNoMark, both, nullptr},
        {"UTF-16 LE without a mark, LF only and no end",
         Le(u"one.example\n\ntwo.example"),
         ListEncoding::Utf16LeNoMark,
         {"one.example", "two.example"},
         nullptr},
        {"one character of UTF-16 LE", "a\0"s, ListEncoding::Utf16LeNoMark, {"a"}, nullptr},
        {"one character of UTF-16 BE", "\0a"s, ListEncoding::Utf16BeNoMark, {"a"}, nullptr},
        {"ANSI that pairs like UTF-16 but holds no NUL",
         "Bush hid the facts",
         ListEncoding::Ansi,
         {"Bush hid the facts"},
         nullptr},
        {"ANSI of two-letter pairs", "abab\r\ncdcd\r\n", ListEncoding::Ansi, {"abab", "cdcd"}, nullptr},
        {"an empty file", "", ListEncoding::Ansi, {}, nullptr},
        {"ANSI with a single NUL, even length", "abc\0.example\r\n"s, ListEncoding::Ansi, {}, kNulBytes},
        {"ANSI with a single NUL, odd length", "one.example\0\r\ntwo.example\r\n"s, ListEncoding::Ansi, {}, kNulBytes},
        {"ANSI ending in a NUL", "one.example\r\n\0"s, ListEncoding::Ansi, {}, kNulBytes},
        {"NUL bytes only", "\0\0\0\0"s, ListEncoding::Ansi, {}, kNulBytes},
        {"UTF-16 LE without a mark, odd length", "a\0b\0c"s, ListEncoding::Ansi, {}, kHalfUnmarked},
        {"UTF-16 BE without a mark, cut in a character",
         Be(u"kept.example\r\n") + "\0"s,
         ListEncoding::Ansi,
         {},
         kHalfUnmarked},
        {"UTF-16 without a mark of a character the code page lacks",
         Le(u"\u4F8B.example\r\nkept.example\r\n"),
         ListEncoding::Ansi,
         {},
         kNulBytes},
        {"UTF-16 without a mark with a lone surrogate",
         Le(u"kept.example\r\n\xDC00"),
         ListEncoding::Ansi,
         {},
         kNulBytes},
        {"UTF-16 with its mark holding a NUL character",
         "\xFF\xFE"s + Le(u"one\0two\r\n"s),
         ListEncoding::Utf16Le,
         {},
         "it holds NUL characters"},
        {"UTF-8 with its mark holding a NUL character",
         "\xEF\xBB\xBFone\0two\r\n"s,
         ListEncoding::Utf8,
         {},
         "it holds NUL characters"},
        {"UTF-16 with its mark of odd length",
         "\xFE\xFF"s + Be(u"kept\r\n") + "x",
         ListEncoding::Utf16Be,
         {},
         "UTF-16 text that ends in the middle of a character"},
        {"UTF-16 with its mark and a lone surrogate",
         "\xFF\xFE"s + Le(u"\xD800.example\r\n"),
         ListEncoding::Utf16Le,
         {},
         "half of a surrogate pair"},
        {"UTF-16 with its mark of a character the code page lacks",
         "\xFF\xFE"s + Le(u"\u4F8B.example\r\n"),
         ListEncoding::Utf16Le,
         {},
         "this system's code page cannot show"},
        {"UTF-8 with its mark and an overlong form",
         "\xEF\xBB\xBF\xC0\xAF.example\r\n",
         ListEncoding::Utf8,
         {},
         "holds bytes that are not UTF-8"},
    });
}

TEST_F(ListEncodingTest, AnAddToUtf16WithoutAMarkAppendsInItsByteOrderAndAddsNoMark) {
    for (const bool bigEndian : {false, true}) {
        FreshRow(bigEndian ? "BE" : "LE", [&] {
            StageAllowed(Units(u"one.example\r\n", bigEndian));
            Module1::LoadAllowedList();
            Module1::AddAllowed(
                "b\xFC"
                "cher.example");
            EXPECT_EQ(FileText("allowed.txt"), Units(u"one.example\r\nb\u00FCcher.example\r\n", bigEndian));
            main().List1.clear();
            Module1::LoadAllowedList();
            EXPECT_EQ(main().List1.items(), (Strings{"one.example",
                                                     "b\xFC"
                                                     "cher.example"}));
        });
    }
}

// What the program writes in a file's encoding reads back as it was, in the
// same byte order; UTF-16 without a mark takes the mark of its byte order
// where its bytes would otherwise begin like a mark or not show their order.
TEST_F(ListEncodingTest, EveryEncodingWritesTextThatReadsBackAsItWasInItsByteOrder) {
    const struct {
        const char* name;
        std::u16string text;
    } texts[] = {
        {"sites", u"one.example\r\nb\u00FCcher.example\r\n\r\n"},
        {"a text whose UTF-16 BE begins like the UTF-8 mark", u"\uEFBB\uBF00\r\n\r\n"},
        {"a text whose UTF-16 LE begins like the UTF-16 BE mark", u"\uFFFE\r\n"},
        {"more characters that end a line in the other byte order", u"\u0D00\u0A00\u0D00x\r\n"},
        {"an empty text", u""},
    };
    const ListEncoding encodings[] = {ListEncoding::Ansi,    ListEncoding::Utf8,          ListEncoding::Utf16Le,
                                      ListEncoding::Utf16Be, ListEncoding::Utf16LeNoMark, ListEncoding::Utf16BeNoMark};
    m().ansiCodePage = 65001;
    for (const auto& t : texts) {
        std::string text;
        ASSERT_TRUE(platform::text::AnsiFromWide(t.text, &text));
        for (const ListEncoding encoding : encodings) {
            SCOPED_TRACE(std::string(t.name) + ", encoding " + std::to_string(static_cast<int>(encoding)));
            const DecodedList read = DecodeList(ListFileBytes(text, encoding));
            EXPECT_EQ(read.fault, "");
            EXPECT_EQ(read.text, text);
            const bool little = encoding == ListEncoding::Utf16Le || encoding == ListEncoding::Utf16LeNoMark;
            const bool big = encoding == ListEncoding::Utf16Be || encoding == ListEncoding::Utf16BeNoMark;
            const ListEncoding marked = little ? ListEncoding::Utf16Le : ListEncoding::Utf16Be;
            if (!text.empty() && (little || big)) {
                EXPECT_TRUE(read.encoding == encoding || read.encoding == marked)
                    << "read as " << static_cast<int>(read.encoding);
            }
        }
    }
}

// ANSI text that would begin like a byte-order mark, on either code page
// (as UTF-8 text, the first is none): an empty line first keeps it ANSI, with
// its entries and their bytes.
TEST_F(ListEncodingTest, AnsiTextThatBeginsLikeAMarkIsWrittenAfterAnEmptyLine) {
    const char* const texts[] = {"\xFE\xFFo\r\n\xB2x\r\n", "\xFF\xFEsite\r\n", "\xEF\xBB\xBFsite\r\n"};
    for (const std::uint32_t codePage : {1252u, 65001u}) {
        m().ansiCodePage = codePage;
        for (const std::string text : texts) {
            SCOPED_TRACE("code page " + std::to_string(codePage) + ", text " + text);
            const std::string bytes = ListFileBytes(text, ListEncoding::Ansi);
            EXPECT_EQ(bytes, "\r\n" + text);
            const DecodedList read = DecodeList(bytes);
            EXPECT_EQ(read.encoding, ListEncoding::Ansi);
            EXPECT_EQ(Module1::FileEntries(read.text), Module1::FileEntries(text));
        }
    }
}

// Windows 10 can make UTF-8 the ANSI code page; its WideCharToMultiByte then
// refuses the best-fit flag and the used-default question, and the program's
// strings are UTF-8.
TEST_F(ListEncodingTest, FilesInEveryEncodingLoadWhenTheAnsiCodePageIsUtf8) {
    const std::u16string text = u"b\u00FCcher.example\r\n\u4F8B.example\r\n";
    const Strings both = {
        "b\xC3\xBC"
        "cher.example",
        "\xE4\xBE\x8B.example"};
    const struct {
        const char* name;
        std::string file;
        std::string afterAdd;  // after an Add of "\u00FC.example"
    } cases[] = {
        {"UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "b\xC3\xBC"
         "cher.example\r\n\xE4\xBE\x8B.example\r\n",
         "\xEF\xBB\xBF"
         "b\xC3\xBC"
         "cher.example\r\n\xE4\xBE\x8B.example\r\n\xC3\xBC.example\r\n"},
        {"UTF-16 LE with its mark", "\xFF\xFE" + Le(text), "\xFF\xFE" + Le(text + u"\u00FC.example\r\n")},
        {"UTF-16 BE with its mark", "\xFE\xFF" + Be(text), "\xFE\xFF" + Be(text + u"\u00FC.example\r\n")},
        {"UTF-16 LE without a mark", Le(text), Le(text + u"\u00FC.example\r\n")},
        {"ANSI, which is UTF-8 here",
         "b\xC3\xBC"
         "cher.example\r\n\xE4\xBE\x8B.example\r\n",
         "b\xC3\xBC"
         "cher.example\r\n\xE4\xBE\x8B.example\r\n\xC3\xBC.example\r\n"},
    };
    for (const auto& c : cases) {
        FreshRow(c.name, [&] {
            m().ansiCodePage = 65001;
            StageAllowed(c.file);
            EXPECT_EQ(LoadFault(), "");
            EXPECT_EQ(main().List1.items(), both);
            Module1::AddAllowed("\xC3\xBC.example");
            EXPECT_EQ(FileText("allowed.txt"), c.afterAdd);
        });
    }
    // U+4E00 has a NUL low byte: the line ends, not the count of NULs, tell
    // the byte order of a text that holds more such characters than ASCII.
    for (const bool bigEndian : {false, true}) {
        FreshRow(bigEndian ? "more NUL low bytes than high ones, BE" : "more NUL low bytes than high ones, LE", [&] {
            m().ansiCodePage = 65001;
            StageAllowed(Units(u"\u4E00\u4E00\u4E00\u4E00\r\n\r\n", bigEndian));
            EXPECT_EQ(EncodingOf(FileText("allowed.txt")),
                      bigEndian ? ListEncoding::Utf16BeNoMark : ListEncoding::Utf16LeNoMark);
            EXPECT_EQ(LoadFault(), "");
            EXPECT_EQ(main().List1.items(), Strings{"\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80"});
        });
    }
}

}  // namespace
