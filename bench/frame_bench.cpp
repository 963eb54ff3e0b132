// The frame's hot paths on the simulated machine: settings reads (the main
// window reads a dozen at start) and file lookups in a full program folder.
#include <benchmark/benchmark.h>

#include "frame/settings.h"
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
    for (int i = 0; i < state.range(0); ++i)
        sim::M().files.addFile("C:\\App\\file" + std::to_string(i) + ".txt", "");
    sim::M().files.addFile("C:\\App\\Help.rtf", "");
    for (auto _ : state) benchmark::DoNotOptimize(xfileExists::fileExists("C:\\App\\help.rtf"));
}
BENCHMARK(BM_FileExistsInFolder)->Arg(10)->Arg(1000);

BENCHMARK_MAIN();
