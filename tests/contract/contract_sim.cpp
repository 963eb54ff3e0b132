// The contract rows' staging in the simulated machine, so that the same rows
// show what the simulation answers.
#include <cstring>

#include "platform/sim/sim.h"
#include "tests/contract/contract_stage.h"

namespace contract {

void StageSystem() {
    sim::Reset();
    platform::version::OsVersionInfo xp;
    xp.majorVersion = 5;
    xp.minorVersion = 1;
    xp.buildNumber = 2600;
    xp.platformId = platform::version::kPlatformWin32Nt;
    std::strcpy(xp.csdVersion, "Service Pack 3");
    xp.servicePackMajor = 3;
    sim::M().os = xp;
}

void RemoveKeyTree(platform::reg::Key root, const std::string& path) {
    const auto cut = path.find_last_of('\\');
    const std::string parent = cut == std::string::npos ? std::string() : path.substr(0, cut);
    sim::RegistryKey* key = sim::M().registry.find(root, parent);
    if (key) key->subkeys.erase(sim::Fold(cut == std::string::npos ? path : path.substr(cut + 1)));
}

bool MakeFolder(const std::string& path) {
    auto& fs = sim::M().files;
    if (fs.exists(path)) return false;
    fs.addFolder(path);
    return true;
}

bool MakeFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
    sim::M().files.addFile(path, contents, attributes == 0 ? platform::files::kArchive : attributes);
    return true;
}

void RemoveTree(const std::string& path) {
    auto& entries = sim::M().files.entries;
    const std::string folder = sim::Fold(path);
    for (auto it = entries.begin(); it != entries.end();) {
        const bool inside = it->first == folder || it->first.rfind(folder + "\\", 0) == 0;
        it = inside ? entries.erase(it) : std::next(it);
    }
}

platform::Handle MakeWindow() {
    sim::Window window;
    window.procedures.push_back([](const sim::Message&) { return std::intptr_t{0}; });
    return sim::CreateWindowRecord(std::move(window));
}

void DestroyWindow(platform::Handle window) { sim::DestroyWindowRecord(window); }

void MarkLastError(std::uint32_t marker) { sim::Services().lastError = static_cast<long>(marker); }

bool InstallService(const std::string& name, const std::string& displayName, const std::string& command) {
    namespace svc = platform::svc;
    auto& manager = sim::Services();
    if (manager.find(name)) return false;
    // Services of the system's, listed before the rows' own.
    if (manager.services.empty()) {
        for (const char* system : {"PlugPlay", "RpcSs"}) {
            sim::SimService& running = manager.add(system, system);
            running.status.serviceType = svc::kShareProcess;
            running.status.currentState = svc::kRunning;
            running.startType = 2;
        }
    }
    sim::SimService& service = manager.add(name, displayName);
    service.binaryPath = command;
    return true;
}

void RemoveService(const std::string& name) {
    auto& services = sim::Services().services;
    for (auto it = services.begin(); it != services.end(); ++it) {
        if (sim::Fold(it->name) == sim::Fold(name)) {
            services.erase(it);
            return;
        }
    }
}

void Pause(std::uint32_t) {}

}  // namespace contract
