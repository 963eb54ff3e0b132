// The machine and the process, their starts and ends.
#include <algorithm>

#include "platform/process_globals.h"
#include "platform/sim/sim.h"
#include "platform/text_fold.h"

namespace sim {

namespace {

Machine machine;
Process process;

// Ends the running process: every module global back at its start (the
// forms go first, their windows and timers with them), the keys it left
// open noted, its notification-area icons gone.
void EndProcess() {
    process.ended = true;
    platform::ResetModuleGlobals();
    for (const auto& [handle, path] : OpenKeys()) machine.leakedKeys.push_back(path);
    std::erase_if(machine.trayIcons, [](const auto& icon) { return !FindWindow(icon.first.first); });
}

}  // namespace

std::string Fold(const std::string& text) { return platform::Folded(text); }

Machine& M() { return machine; }
Process& P() { return process; }

void Reset() {
    EndProcess();
    machine = Machine{};
    // The running program's own folder is there, as on any machine it runs
    // on, and the system's programs the programs start.
    machine.files.addFolder(machine.files.programFolder);
    for (const char* program : {"net.exe", "cmd.exe"})
        machine.files.addFile(machine.files.systemFolder + "\\" + program, "MZ");
    process = Process{};
}

void NewProcess() {
    EndProcess();
    process = Process{};
}

std::map<Handle, std::string> OpenKeys() {
    std::map<Handle, std::string> open;
    for (const auto& [handle, key] : process.keys)
        open[handle] = (key.root == platform::reg::kLocalMachine ? "HKLM\\" : "HKCU\\") + key.path;
    return open;
}

void Record(JournalEntry entry) { machine.journal.push_back(std::move(entry)); }

}  // namespace sim
