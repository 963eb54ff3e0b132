// libFuzzer target: any bytes as the allowed-sites file. Loading must keep
// only entries, each without a line end, in the list and the decision's text
// alike, and may refuse only a file with a byte-order mark. An Add must keep
// the file's bytes and put one entry after them, a Delete of the first entry
// must take out only bytes that were there, and after each the list must
// show what the file then holds.
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

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> Items(const forms::ListBox& items) { return items.items(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace windhover;
    sim::Reset();
    const std::string path = sim::M().files.programFolder + "\\allowed.txt";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    sim::M().files.addFile(path, bytes);
    auto& items = forms::The<Form1>().List1;

    try {
        Module1::LoadAllowedList();
    } catch (const platform::Error&) {
        Require(EncodingOf(bytes) != ListEncoding::Ansi);
        return 0;
    }
    const auto loaded = Items(items);
    for (const std::string& item : loaded) {
        Require(Module1::IsEntry(item));
        Require(item.find_first_of("\r\n") == std::string::npos);
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
    // ANSI text that a change leaves beginning like a byte-order mark goes
    // as UTF-8 with its mark; every other change keeps the other bytes.
    const auto reencoded = [](const std::string& before, const std::string& after) {
        if (EncodingOf(after) == EncodingOf(before)) return false;
        Require(EncodingOf(before) == ListEncoding::Ansi && EncodingOf(after) == ListEncoding::Utf8);
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
    return 0;
}
