// The simulated window system's core: window records with their procedure
// chains, the message queue, timers on the virtual clock and the idle step
// that every wait takes.
#include <algorithm>
#include <cstdio>

#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/messages.h"
#include "platform/scope_exit.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_hang.h"
#include "platform/window.h"

namespace sim {

namespace {

// The procedures running, innermost last: which window and which link of its chain.
struct Call {
    Handle window;
    std::size_t index;
};
std::vector<Call> calls;

std::intptr_t CallAt(const Message& message, std::size_t index) {
    Window* window = FindWindow(message.window);
    if (!window || index >= window->procedures.size()) return 0;
    // A copy: the procedure may destroy its own window.
    WindowProc procedure = window->procedures[index];
    calls.push_back(Call{message.window, index});
    const platform::ScopeExit leave([] { calls.pop_back(); });
    return procedure(message);
}

using TimerKey = std::pair<Handle, std::uintptr_t>;

bool NextDue(std::uint64_t limit, TimerKey* next) {
    const TimerRecord* best = nullptr;
    for (const auto& [key, timer] : P().timers) {
        if (timer.due > limit) continue;
        if (!best || timer.due < best->due || (timer.due == best->due && timer.order < best->order)) {
            best = &timer;
            *next = key;
        }
    }
    return best != nullptr;
}

void Fire(const TimerKey& key) {
    auto& timer = P().timers.at(key);
    M().now = std::max(M().now, timer.due);
    timer.due = M().now + timer.period;
    forms::Dispatch([&] { Send(Message{key.first, platform::msg::kTimer, key.second, 0}); });
    Pump();
}

}  // namespace

Window* FindWindow(Handle window) {
    auto it = P().windows.find(window);
    return it == P().windows.end() ? nullptr : &it->second;
}

Handle CreateWindowRecord(Window window) {
    auto& p = P();
    const Handle handle = p.nextWindow;
    p.nextWindow += 0x10;
    window.handle = handle;
    p.windows[handle] = std::move(window);
    return handle;
}

void DestroyWindowRecord(Handle window) {
    auto& p = P();
    p.windows.erase(window);
    std::erase_if(p.timers, [&](const auto& timer) { return timer.first.first == window; });
}

void Post(const Message& message) { P().queue.push_back(message); }

std::intptr_t Send(const Message& message) {
    Window* window = FindWindow(message.window);
    if (!window || window->procedures.empty()) return 0;
    P().delivered.push_back(message);
    return CallAt(message, window->procedures.size() - 1);
}

std::intptr_t CallNext(const Message& message) {
    if (calls.empty() || calls.back().index == 0) return 0;
    return CallAt(message, calls.back().index - 1);
}

std::intptr_t CallLink(const Message& message, std::size_t index) { return CallAt(message, index); }

namespace {

// A key goes to its window's form as a dialog key first, as the program's
// message loop hands it on; a key the form leaves goes to the window with
// its character after it.
void DeliverKey(const Message& message) {
    const Window* window = FindWindow(message.window);
    forms::Form* form = window ? window->form : nullptr;
    const int key = static_cast<int>(message.wParam);
    if (form && form->userDialogKey(key, P().keyShift)) return;
    Send(message);
    if (key == forms::kKeyTab || key == forms::kKeyReturn || key == forms::kKeySpace)
        Send(Message{message.window, platform::msg::kChar, message.wParam, message.lParam});
}

}  // namespace

void Pump() {
    auto& p = P();
    while (!p.queue.empty() && !p.ended) {
        const Message message = p.queue.front();
        p.queue.pop_front();
        forms::Dispatch([&] {
            if (message.message == platform::msg::kKeyDown)
                DeliverKey(message);
            else
                Send(message);
        });
    }
}

void Advance(std::uint64_t milliseconds) {
    const std::uint64_t target = M().now + milliseconds;
    TimerKey timer;
    while (!P().ended && NextDue(target, &timer)) Fire(timer);
    if (!P().ended) M().now = std::max(M().now, target);
}

bool RunNextTimer() {
    TimerKey timer;
    if (P().ended || !NextDue(UINT64_MAX, &timer)) return false;
    Fire(timer);
    return true;
}

void SetTimer(Handle window, std::uintptr_t id, std::uint32_t milliseconds) {
    const auto period = std::max<std::uint64_t>(milliseconds, static_cast<std::uint64_t>(M().timerResolution));
    P().timers[{window, id}] = TimerRecord{period, M().now + period, P().timerOrder++};
}

void KillTimer(Handle window, std::uintptr_t id) { P().timers.erase({window, id}); }

void AsUser(const std::function<void()>& action) {
    if (P().ended) return;
    P().idleStrikes = 0;
    forms::Dispatch(action);
    Pump();
}

void TrayMouse(Handle window, std::uint32_t id, std::uint32_t mouseMessage) {
    auto icon = M().trayIcons.find({window, id});
    if (icon == M().trayIcons.end() || !(icon->second.uFlags & platform::shell::kNifMessage)) return;
    Post(Message{window, platform::msg::kTrayCallback, id, static_cast<std::intptr_t>(mouseMessage)});
    P().idleStrikes = 0;
    Pump();
}

void Broadcast(const std::string& name) {
    const std::uint32_t message = platform::window::RegisterMessage(name);
    for (const auto& [handle, window] : P().windows)
        if (window.parent == 0) Post(Message{handle, message, 0, 0});
    P().idleStrikes = 0;
    Pump();
}

void RestartTaskbar() {
    M().trayIcons.clear();
    Broadcast("TaskbarCreated");
}

void HotKey(Handle window, int id) {
    Post(Message{window, platform::msg::kHotKey, static_cast<std::uintptr_t>(id), 0});
    P().idleStrikes = 0;
    Pump();
}

void PressHotKey(std::uint32_t modifiers, std::uint32_t key) {
    for (const HotKeyRecord& hotKey : P().hotKeys) {
        if (hotKey.modifiers != modifiers || hotKey.key != key) continue;
        const auto keys = static_cast<std::intptr_t>((key << 16) | (modifiers & 0xFFFF));
        Post(Message{hotKey.window, platform::msg::kHotKey, static_cast<std::uintptr_t>(hotKey.id), keys});
        P().idleStrikes = 0;
        Pump();
        return;
    }
}

void PressKey(const forms::Form& form, int key, int shift) {
    if (P().ended || !form.loaded()) return;
    const forms::Control* focus = form.focusedControl();
    P().keyShift = shift;
    Post(Message{focus ? focus->hwnd() : form.hwnd(), platform::msg::kKeyDown, static_cast<std::uintptr_t>(key), 1});
    P().idleStrikes = 0;
    Pump();
    P().keyShift = 0;
}

bool LogOff() {
    std::vector<Handle> forms;
    for (const auto& [handle, window] : P().windows)
        if (window.form && !window.control) forms.push_back(handle);
    P().idleStrikes = 0;
    bool ends = true;
    for (Handle form : forms)
        if (!P().ended && FindWindow(form) && !Send(Message{form, platform::msg::kQueryEndSession, 0, 0})) ends = false;
    for (Handle form : forms)
        if (!P().ended && FindWindow(form)) Send(Message{form, platform::msg::kEndSession, ends ? 1u : 0u, 0});
    if (ends) P().ended = true;
    return ends;
}

Step IdleStep(const std::string& waiter, bool userActs, std::uint64_t until) {
    auto& p = P();
    if (!p.queue.empty()) {
        Pump();
        return Step::Delivered;
    }
    if (userActs && !p.userActions.empty()) {
        auto action = std::move(p.userActions.front());
        p.userActions.pop_front();
        forms::Dispatch(action);
        return Step::Acted;
    }
    TimerKey timer;
    if (!NextDue(until, &timer)) return Step::Idle;
    if (p.timers.at(timer).due > kTimeCap) {
        std::fprintf(stderr, "sim: %s waits past the time cap\n", waiter.c_str());
        throw Hang{waiter + " waits past the ten minutes a test may take on the virtual clock"};
    }
    Fire(timer);
    return Step::Ticked;
}

}  // namespace sim
