// The frame's hot paths on the simulated machine: settings reads (the main
// window reads a dozen at start), file lookups in a full program folder, and
// the case-blind search of a site list, each way of it and a plain
// std::search beside them for scale.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "frame/settings.h"
#include "frame/text_search.h"
#include "frame/xfile_exists.h"
#include "platform/sim/sim.h"

static void BM_GetSetting(benchmark::State& state) {
    sim::Reset();
    sim::M().registry.setString(platform::reg::kCurrentUser,
                                "Software\\VB and VBA Program Settings\\Windhover\\Settings", "chkSound", "1");
    for (auto _ : state) benchmark::DoNotOptimize(GetSetting("Windhover", "Settings", "chkSound", "0"));
}
BENCHMARK(BM_GetSetting);

static void BM_FileExistsInFolder(benchmark::State& state) {
    sim::Reset();
    for (int i = 0; i < state.range(0); ++i) sim::M().files.addFile("C:\\App\\file" + std::to_string(i) + ".txt", "");
    sim::M().files.addFile("C:\\App\\Help.rtf", "");
    for (auto _ : state) benchmark::DoNotOptimize(xfileExists::fileExists("C:\\App\\help.rtf"));
}
BENCHMARK(BM_FileExistsInFolder)->Arg(10)->Arg(1000);

namespace {

// A list of that many sites, as windhover searches it for a popup's site.
std::string SiteList(std::int64_t sites) {
    std::string text;
    for (std::int64_t i = 0; i < sites; ++i) text += "www.allowed-site" + std::to_string(i) + ".example\r\n";
    return text;
}

// A site on no list: the whole list is searched, as for most popups.
constexpr std::string_view kUnlistedSite = "www.popups-galore.example";

void SearchSiteList(benchmark::State& state, std::size_t (*find)(std::string_view, std::string_view, std::size_t)) {
    const std::string list = SiteList(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(find(list, kUnlistedSite, 0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(list.size()));
}

std::size_t FindBySearch(std::string_view text, std::string_view part, std::size_t from) {
    const auto& folds = textSearch::Folds();
    const auto at = std::search(
        text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), part.begin(), part.end(),
        [&](char a, char b) { return folds[static_cast<unsigned char>(a)] == folds[static_cast<unsigned char>(b)]; });
    return at == text.end() ? std::string_view::npos : static_cast<std::size_t>(at - text.begin());
}

}  // namespace

static void BM_FindByBlocks(benchmark::State& state) { SearchSiteList(state, textSearch::FindByBlocks); }
BENCHMARK(BM_FindByBlocks)->Arg(1000)->Arg(100000);
static void BM_FindByBytes(benchmark::State& state) { SearchSiteList(state, textSearch::FindByBytes); }
BENCHMARK(BM_FindByBytes)->Arg(1000)->Arg(100000);
static void BM_FindByStdSearch(benchmark::State& state) { SearchSiteList(state, FindBySearch); }
BENCHMARK(BM_FindByStdSearch)->Arg(1000)->Arg(100000);

BENCHMARK_MAIN();
