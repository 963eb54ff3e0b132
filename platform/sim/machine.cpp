#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/dialogs.h"
#include "platform/forms/form.h"
#include "platform/program.h"
#include "platform/sim/services.h"
#include "platform/sim/sim.h"

namespace sim {

namespace {
Machine machine;
}

std::string Fold(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

Machine& M() { return machine; }

void Reset() {
    forms::DestroyAllForms();
    machine = Machine{};
    ResetServices();
}

void Pump() {
    while (!machine.queue.empty() && !machine.ended) {
        auto message = std::move(machine.queue.front());
        machine.queue.pop_front();
        forms::Dispatch(message);
    }
}

static std::uint64_t Period(const forms::Timer& timer) {
    return static_cast<std::uint64_t>(std::max(timer.interval(), machine.timerResolution));
}

static bool NextDue(std::uint64_t limit, forms::Timer** next) {
    *next = nullptr;
    const Machine::TimerState* best = nullptr;
    for (auto& [timer, state] : machine.timers) {
        if (state.due > limit) continue;
        if (!best || state.due < best->due || (state.due == best->due && state.order < best->order)) {
            best = &state;
            *next = timer;
        }
    }
    return *next != nullptr;
}

static void Fire(forms::Timer* timer) {
    auto& state = machine.timers[timer];
    machine.now = std::max(machine.now, state.due);
    state.due = machine.now + Period(*timer);
    timer->tick();
    Pump();
}

void Advance(std::uint64_t milliseconds) {
    const std::uint64_t target = machine.now + milliseconds;
    forms::Timer* timer = nullptr;
    while (!machine.ended && NextDue(target, &timer)) Fire(timer);
    if (!machine.ended) machine.now = target;
}

bool RunNextTimer() {
    forms::Timer* timer = nullptr;
    if (machine.ended || !NextDue(UINT64_MAX, &timer)) return false;
    Fire(timer);
    return true;
}

void AsUser(const std::function<void()>& action) {
    if (machine.ended) return;
    forms::Dispatch(action);
    Pump();
}

void TrayMouse(Handle window, std::uint32_t id, std::uint32_t mouseMessage) {
    auto icon = machine.trayIcons.find({window, id});
    if (icon == machine.trayIcons.end() || icon->second.uCallbackMessage != 0x200) return;
    for (forms::Form* form : forms::AllForms()) {
        if (form->hwnd() != window) continue;
        // WM_MOUSEMOVE carries the mouse message where the x coordinate stands.
        const float x = static_cast<float>((mouseMessage & 0xFFFF) * 15);
        machine.queue.push_back([form, x] { form->userMouseMove(0, 0, x, 0); });
    }
    Pump();
}

}  // namespace sim

namespace platform {

void DoEvents() { sim::Pump(); }

void EndProgram() {
    sim::M().ended = true;
    throw ProgramEnded{};
}

std::string ProgramTitle() { return sim::M().ownVersion.productName; }

int MessageBox(const std::string& text, std::uint32_t flags, const std::string& title) {
    auto& m = sim::M();
    sim::MessageBoxRecord box{text, title.empty() ? ProgramTitle() : title, flags & 0x0F, flags & 0xF0, 0};
    if (!m.answers.empty()) {
        box.answer = m.answers.front();
        m.answers.pop_front();
    } else {
        static const int firstButton[] = {kIdOk, kIdOk, kIdAbort, kIdYes, kIdYes, kIdRetry};
        box.answer = box.buttons < 6 ? firstButton[box.buttons] : kIdOk;
    }
    m.messageBoxes.push_back(box);
    return box.answer;
}

}  // namespace platform
