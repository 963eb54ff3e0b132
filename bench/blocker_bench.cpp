// windhover's hot paths on the simulated machine: the popup decision for a
// site on no list against allowed lists of growing length, a rebuild of
// the browser-window tracker with growing numbers of shell windows, the
// load of a long allowed.txt into the shown main window, an Add and a
// Delete on it, and the decoding of a long list file in each encoding.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "blocker/c_ie_windows.h"
#include "blocker/form1.h"
#include "blocker/list_encoding.h"
#include "blocker/module1.h"
#include "blocker/shared_state.h"
#include "platform/sim/sim.h"

namespace {

using namespace windhover;

void Fresh() { sim::Reset(); }

std::string AllowedList(int entries) {
    std::string text;
    for (int i = 0; i < entries; ++i) text += "www.allowed-site" + std::to_string(i) + ".example\r\n";
    return text;
}

// The decision is blocked for the unlisted site: the whole list text is
// searched, the count goes up, pending messages are pumped, the flag is set.
void BM_DecisionUnlistedSite(benchmark::State& state) {
    Fresh();
    AllowedSites = AllowedList(static_cast<int>(state.range(0)));
    forms::The<Form1>().Check1.setValue(1);
    sim::M().browsers.open("http://www.popups-galore.example/index.html");
    auto tracker = cIEWindows::Create();
    const auto decide = tracker->IE(1)->Events().onNewWindow2;
    for (auto _ : state) {
        bool cancel = false;
        decide(cancel);
        benchmark::DoNotOptimize(cancel);
        PopupsBlocked = 0;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(AllowedSites.size()));
    tracker.reset();
    Fresh();
}
BENCHMARK(BM_DecisionUnlistedSite)->Arg(10)->Arg(1000)->Arg(100000);

// Each iteration opens one more window and closes it again: two rebuilds,
// of the given number of windows plus one and of the given number.
void BM_TrackerRebuild(benchmark::State& state) {
    Fresh();
    auto& browsers = sim::M().browsers;
    for (int i = 0; i < state.range(0); ++i) browsers.open("http://w" + std::to_string(i) + ".example/");
    auto tracker = cIEWindows::Create();
    for (auto _ : state) {
        const int extra = browsers.open("http://extra.example/");
        sim::Pump();
        browsers.close(extra);
        sim::Pump();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 2);
    state.SetLabel("items = rebuilds");
    tracker.reset();
    Fresh();
}
BENCHMARK(BM_TrackerRebuild)->Arg(1)->Arg(10)->Arg(50);

// allowed.txt of the given number of sites read into the main window's list
// (and its native list) and into the decision's text, as start-up does.
// A fresh machine whose allowed.txt holds that many sites, and the main
// window shown.
Form1& ShownWithList(std::int64_t sites) {
    Fresh();
    sim::M().files.addFile(sim::M().files.programFolder + "\\allowed.txt", AllowedList(static_cast<int>(sites)));
    Form1& main = forms::The<Form1>();
    main.Show();
    return main;
}

void BM_LoadAllowedList(benchmark::State& state) {
    Form1& main = ShownWithList(state.range(0));
    for (auto _ : state) {
        main.List1.clear();
        Module1::LoadAllowedList();
        benchmark::DoNotOptimize(AllowedSites.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetLabel("items = sites");
    Fresh();
}
BENCHMARK(BM_LoadAllowedList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A list file of 100000 sites in the encoding of the argument (ANSI, UTF-8,
// UTF-16 LE with its mark, UTF-16 LE without one) decoded to the code page's
// text, as each load of the file does.
void BM_DecodeListFile(benchmark::State& state) {
    Fresh();
    const auto encoding = static_cast<ListEncoding>(state.range(0));
    const std::string bytes = ListFileBytes(AllowedList(100000), encoding);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeList(bytes).text.data());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
    Fresh();
}
BENCHMARK(BM_DecodeListFile)
    ->Arg(static_cast<int>(ListEncoding::Ansi))
    ->Arg(static_cast<int>(ListEncoding::Utf8))
    ->Arg(static_cast<int>(ListEncoding::Utf16Le))
    ->Arg(static_cast<int>(ListEncoding::Utf16LeNoMark))
    ->Unit(benchmark::kMillisecond);

// One Add to an allowed list of the given number of sites, and the Delete of
// the same site: each reads the file, writes it beside and reads it again
// before it takes its place, and the list box is told of the one item.
void BM_AddAndDeleteSite(benchmark::State& state) {
    Form1& main = ShownWithList(state.range(0));
    Module1::LoadAllowedList();
    for (auto _ : state) {
        Module1::AddAllowed("added.example");
        Module1::DeleteAllowed(main.List1.listCount() - 1);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetLabel("items = sites");
    Fresh();
}
BENCHMARK(BM_AddAndDeleteSite)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
