// nightjar's service listing: every service of the machine with its
// configuration, as the main window lists them at start.
#include <benchmark/benchmark.h>

#include "platform/sim/services.h"
#include "platform/sim/sim.h"
#include "svcstop/mod_service_code.h"

static void BM_EnumerateServices(benchmark::State& state) {
    sim::Reset();
    for (int i = 0; i < state.range(0); ++i) {
        const std::string name = "Service" + std::to_string(i);
        auto& service = sim::Services().add(name, "The service number " + std::to_string(i));
        service.status.serviceType = i % 2 ? platform::svc::kOwnProcess : platform::svc::kShareProcess;
        service.status.currentState = i % 3 ? platform::svc::kRunning : platform::svc::kStopped;
        service.dependencies = {"RpcSs", "LanmanWorkstation"};
    }
    for (auto _ : state) {
        const bool listed =
            nightjar::modServiceCode::EnumerateServices("", platform::svc::kStateAll, platform::svc::kWin32);
        benchmark::DoNotOptimize(listed);
    }
    if (nightjar::colServices.Count() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("not all listed");
    sim::Reset();
}
BENCHMARK(BM_EnumerateServices)->Arg(300)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
