// libFuzzer target: any bytes as the allowed-sites file. Loading must keep
// only entries, each without a line end, in the list and the decision's text
// alike, and may refuse only a file with a byte-order mark; saving and
// loading again must give the same entries; removing an entry must leave no
// line that holds it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "blocker/form1.h"
#include "blocker/list_encoding.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "frame/text_compare.h"
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

    Module1::SaveAllowedList();
    items.clear();
    Module1::LoadAllowedList();
    Require(Items(items) == loaded);

    if (!loaded.empty()) {
        const std::string site = loaded.front();
        Module1::RemoveAllowed(site);
        std::string contents, text;
        Require(platform::files::ReadFile(path, &contents) == 0);
        Require(DecodeListFile(contents, &text));
        for (const std::string& line : Module1::FileLines(text))
            Require(!ContainsNoCase(line, site));
    }
    return 0;
}
