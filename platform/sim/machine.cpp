// The machine and the process, their starts and ends, and the life of the
// program in the simulation: the clock, DoEvents, message boxes, the end.
#include <algorithm>
#include <cctype>

#include "platform/dialogs.h"
#include "platform/process_globals.h"
#include "platform/program.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_hang.h"

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

std::string Fold(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

Machine& M() { return machine; }
Process& P() { return process; }

void Reset() {
    EndProcess();
    machine = Machine{};
    // The running program's own folder is there, as on any machine it runs on.
    machine.files.addFolder(machine.files.programFolder);
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

namespace platform {

// A loop `while (!done) DoEvents();` whose flag nothing can set any more
// would spin for ever: the second DoEvents in a row that finds nothing to do
// throws sim::Hang. A program that watches the clock between its calls is
// waiting for time to pass, which then does, up to the cap.
void DoEvents() {
    auto& p = sim::P();
    if (p.ended) return;
    if (sim::IdleStep("DoEvents", true) != sim::Step::Idle) {
        p.idleStrikes = 0;
        return;
    }
    if (p.clockRead) {
        p.clockRead = false;
        p.idleStrikes = 0;
        auto& m = sim::M();
        if (m.now + sim::kIdleWaitMs > sim::kTimeCap)
            throw sim::Hang{"DoEvents waits on the clock past the ten minutes a test may take"};
        m.now += sim::kIdleWaitMs;
        return;
    }
    if (++p.idleStrikes >= 2)
        throw sim::Hang{"DoEvents waits in a loop and nothing can happen: no message, no user action, no timer"};
}

// What is queued, or else a user action the script holds, or else a timer
// already due: the clock does not move, and finding nothing is no wait.
void PumpWaitingMessages() {
    auto& p = sim::P();
    if (p.ended) return;
    if (sim::IdleStep("PumpWaitingMessages", true, sim::M().now) != sim::Step::Idle) p.idleStrikes = 0;
}

std::uint32_t TickCount() {
    sim::P().clockRead = true;
    return static_cast<std::uint32_t>(sim::M().now);
}

void EndProgram() {
    sim::P().ended = true;
    throw ProgramEnded{};
}

std::string ProgramTitle() { return sim::M().ownVersion.productName; }

int MessageBox(const std::string& text, std::uint32_t flags, const std::string& title) {
    auto& p = sim::P();
    sim::MessageBoxRecord box{text, title.empty() ? ProgramTitle() : title, flags & 0x0F, flags & 0xF0, 0};
    static const int firstButton[] = {kIdOk, kIdOk, kIdAbort, kIdYes, kIdYes, kIdRetry};
    sim::Answer answer(box.buttons < 6 ? firstButton[box.buttons] : kIdOk);
    if (!p.answers.empty()) {
        answer = p.answers.front();
        p.answers.pop_front();
    }
    box.answer = answer.button;
    p.messageBoxes.push_back(box);
    // The box's own loop runs until the user answers: what is posted arrives
    // and timers tick meanwhile.
    const std::uint64_t answered = sim::M().now + answer.afterMs;
    while (!p.ended && sim::IdleStep("message box \"" + box.title + "\"", false, answered) != sim::Step::Idle) {
    }
    sim::M().now = std::max(sim::M().now, answered);
    return answer.button;
}

}  // namespace platform
