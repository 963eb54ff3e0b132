// libFuzzer target: any bytes as the allowed-sites file, on a machine whose
// ANSI code page is 1252 and on one where it is UTF-8. Loading must keep only
// entries, each without a line end or NUL, in the list and the decision's
// text alike, and may refuse, with its reason, only a file with a byte-order
// mark or one that holds NUL bytes; a file without a mark that loads despite
// its NULs is UTF-16 in the encoding reported. Saving and loading again must
// give the same entries; removing an entry must leave no line that holds it.
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LoadSaveAndRemove(bytes, 1252);
    LoadSaveAndRemove(bytes, platform::text::kUtf8CodePage);
    return 0;
}
