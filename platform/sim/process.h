#pragma once
// The running process in the simulation: its windows, handles, queue, timers,
// message boxes and pop-up menus, the user's scripted actions, and the idle
// step that every wait of the program runs.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/sim/dialogs.h"
#include "platform/sim/journal.h"
#include "platform/sim/registry.h"
#include "platform/sim/window.h"

namespace forms {
class Form;
class Menu;
}  // namespace forms

namespace sim {

struct Process {
    std::map<Handle, Window> windows;
    Handle nextWindow = 0x10000;
    std::deque<Message> queue;
    // Every message delivered, in order.
    std::vector<Message> delivered;
    // SetTimer's timers, by window and identifier.
    std::map<std::pair<Handle, std::uintptr_t>, TimerRecord> timers;
    std::uint64_t timerOrder = 0;

    std::map<Handle, OpenKey> keys;
    Handle nextKey = 0x1000;

    // The hot keys the process holds; they end with it.
    std::vector<HotKeyRecord> hotKeys;

    // Message boxes shown, and the answers the user will give, in order. A box
    // with no answer left gets its first button at once.
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<Answer> answers;

    // The pop-up menus shown, and the items the user will choose from them
    // (nullptr dismisses the menu).
    std::vector<forms::Menu*> popups;
    std::deque<forms::Menu*> popupChoices;

    // What the user does when the program waits and nothing else is left to
    // happen, in order.
    std::deque<std::function<void()>> userActions;

    // Events of COM objects (the shell's window list, the browsers) waiting
    // for the window thread: each arrives as one message to a hidden window,
    // as COM delivers calls to a single-threaded apartment.
    std::deque<std::function<void()>> comEvents;
    Handle comWindow = 0;

    // Runs while a sound plays, so that a test sees the program's state then.
    std::function<void(const SoundCall&)> whilePlaying;

    bool ended = false;
    forms::Form* active = nullptr;

    // The shift flags of the key being pressed (see PressKey).
    int keyShift = 0;

    // The idle step's view of a DoEvents loop (see DoEvents).
    int idleStrikes = 0;
    bool clockRead = false;
};

// The process of the running test.
Process& P();

// Ends the running process as the system ends one (no handler runs, every
// window goes, open registry keys are noted in M().leakedKeys) and starts a
// fresh one on the same machine, every module global back at its start value.
void NewProcess();

// One step of a wait: delivers the queue; else runs the next user action
// (when `userActs`); else moves the clock to the next timer due by `until`
// and runs it. Says which it did, or Idle when none could.
enum class Step { Delivered, Acted, Ticked, Idle };
inline constexpr std::uint64_t kForever = UINT64_MAX;
Step IdleStep(const std::string& waiter, bool userActs, std::uint64_t until = kForever);

// A wait that would pass this on the virtual clock throws sim::Hang, so that
// a timer that never stops cannot hold up the test run.
inline constexpr std::uint64_t kTimeCap = 10 * 60 * 1000;
// How long DoEvents lets pass when the program watches the clock and nothing
// else is due, as the Windows idle step waits at most.
inline constexpr std::uint64_t kIdleWaitMs = 10;

}  // namespace sim
