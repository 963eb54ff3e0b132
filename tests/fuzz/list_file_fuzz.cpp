// libFuzzer target: any bytes as the allowed-sites file, on a machine whose
// ANSI code page is 1252 and on one where it is UTF-8. Loading must keep only
// entries, each without a line end or NUL, in the list and the decision's
// text alike, and may refuse, with its reason, only a file with a byte-order
// mark or one that holds NUL bytes; a file without a mark that loads despite
// its NULs is UTF-16 in the encoding reported. An Add must keep the file's
// bytes and put one entry after them, a Delete of the first entry must take
// out only bytes that were there, and after each the list must show what the
// file then holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "blocker/form1.h"
#include "blocker/list_encoding.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/sim/sim.h"
#include "platform/text.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> Items(const forms::ListBox& items) { return items.items(); }

}  // namespace

namespace {

void LoadSaveAndRemove(const std::string& bytes, std::uint32_t codePage) {
    using namespace windhover;
    sim::Reset();
    sim::M().ansiCodePage = codePage;
    const std::string path = sim::M().files.programFolder + "\\allowed.txt";
    sim::M().files.addFile(path, bytes);
    auto& items = forms::The<Form1>().List1;
    const bool nuls = bytes.find('\0') != std::string::npos;

    try {
        Module1::LoadAllowedList();
    } catch (const platform::Error& error) {
        Require(!ByteOrderMark(EncodingOf(bytes)).empty() || nuls);
        Require(std::string(error.what()).find(path + ": it ") != std::string::npos);
        Require(items.listCount() == 0);
        return;
    }
    const ListEncoding encoding = EncodingOf(bytes);
    if (nuls && ByteOrderMark(encoding).empty())
        Require(encoding == ListEncoding::Utf16LeNoMark || encoding == ListEncoding::Utf16BeNoMark);
    const auto loaded = Items(items);
    for (const std::string& item : loaded) {
        Require(Module1::IsEntry(item));
        Require(item.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    }
    Require(AllowedSites == Module1::ItemsText(items));

    // What a fresh load of the file gives.
    const auto reloaded = [&] {
        std::string contents, text;
        Require(platform::files::ReadFile(path, &contents) == 0);
        Require(DecodeListFile(contents, &text));
        Require(Items(items) == Module1::FileEntries(text));
        Require(AllowedSites == Module1::ItemsText(items));
        return contents;
    };
    // A file without a mark that a change would leave reading as another
    // encoding is written again in the form that reads back: ANSI text after
    // an empty line, UTF-16 with its byte order's mark. Every other change
    // keeps the other bytes.
    const auto reencoded = [](const std::string& before, const std::string& after) {
        const ListEncoding was = EncodingOf(before), now = EncodingOf(after);
        if (was == ListEncoding::Ansi && now == ListEncoding::Ansi)
            return after.compare(0, 2, "\r\n") == 0 && EncodingOf(after.substr(2)) != ListEncoding::Ansi;
        if (was == now) return false;
        Require((was == ListEncoding::Utf16LeNoMark && now == ListEncoding::Utf16Le) ||
                (was == ListEncoding::Utf16BeNoMark && now == ListEncoding::Utf16Be));
        return true;
    };
    Module1::AddAllowed("added.example");
    const std::string added = reloaded();
    Require(reencoded(bytes, added) || added.compare(0, bytes.size(), bytes) == 0);
    std::vector<std::string> expected = loaded;
    expected.push_back("added.example");
    Require(Items(items) == expected);

    Module1::DeleteAllowed(0);
    const std::string deleted = reloaded();
    if (!reencoded(added, deleted)) {
        // The bytes left are the file's bytes with one stretch taken out.
        Require(deleted.size() < added.size());
        std::size_t same = 0;
        while (same < deleted.size() && deleted[same] == added[same]) ++same;
        Require(added.compare(added.size() - (deleted.size() - same), std::string::npos, deleted, same) == 0);
    }
    expected.erase(expected.begin());
    Require(Items(items) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LoadSaveAndRemove(bytes, 1252);
    LoadSaveAndRemove(bytes, platform::text::kUtf8CodePage);
    return 0;
}
