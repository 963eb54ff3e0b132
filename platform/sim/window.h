#pragma once
// The simulated window system: windows as records with their procedure
// chains, the message queue, timers on the virtual clock, hot keys, and the
// user acting through the system (tray icon, hot keys, log-off).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace forms {
class Form;
class Control;
}  // namespace forms

namespace sim {

using platform::Handle;

// A window message as a value.
struct Message {
    Handle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

using WindowProc = std::function<std::intptr_t(const Message&)>;

// One window: the form or control it belongs to and its procedure chain. A
// message goes to the last procedure of the chain; a procedure that passes it
// on calls CallNext, which runs the one below it.
struct Window {
    Handle handle = 0;
    Handle parent = 0;
    Handle owner = 0;  // GetWindow(GW_OWNER)
    forms::Form* form = nullptr;
    forms::Control* control = nullptr;
    std::vector<WindowProc> procedures;
    bool visible = false;
    bool topmost = false;
    std::optional<std::pair<int, int>> region;  // width and height given to SetRectRegion
    Handle image = 0;                           // the picture a button shows (BM_SETIMAGE): a SharedIcon handle
    // A list control's native items (a report view's rows by their first
    // column), and how many item texts the program has written into it over
    // its life: each add or change of one item counts one, showing the whole
    // list again counts every item.
    std::vector<std::string> items;
    std::size_t itemWrites = 0;
};

struct TimerRecord {
    std::uint64_t period = 0;
    std::uint64_t due = 0;
    std::uint64_t order = 0;  // the older of two timers due at once ticks first
};

// A hot key this process registered for one of its windows.
struct HotKeyRecord {
    Handle window = 0;
    int id = 0;
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
};

// The window record, or nullptr when no such window exists.
Window* FindWindow(Handle window);
Handle CreateWindowRecord(Window window);
void DestroyWindowRecord(Handle window);

// Queues a message, as PostMessage does.
void Post(const Message& message);
// Delivers a message through the window's procedure chain now.
std::intptr_t Send(const Message& message);
// From inside a procedure of the chain: passes the message to the one below.
std::intptr_t CallNext(const Message& message);
// Runs link `index` of the window's chain (0 is the window's own procedure)
// with the message, as CallWindowProc runs a procedure it is given.
std::intptr_t CallLink(const Message& message, std::size_t index);

// Queues a COM object's event for the window thread (see Process::comEvents).
void PostComEvent(std::function<void()> event);

// The handle LoadSharedIcon gives for one of the program's icon resources at
// a size; 0 when the program has no such icon.
Handle SharedIcon(const std::string& resourceName, int width);

// Delivers queued messages until the queue is empty.
void Pump();
// Advances the virtual clock, running each timer tick when it falls due, in
// order of due time. Returns early when the program ends.
void Advance(std::uint64_t milliseconds);
// Advances the clock to the next timer tick and runs it; false when no timer runs.
bool RunNextTimer();

// SetTimer and KillTimer on the virtual clock: WM_TIMER goes to the window.
void SetTimer(Handle window, std::uintptr_t id, std::uint32_t milliseconds);
void KillTimer(Handle window, std::uintptr_t id);

// The user, through the window system: the notification-area icon's mouse
// message (the shell posts the icon's callback message), and a hot key.
void TrayMouse(Handle window, std::uint32_t id, std::uint32_t mouseMessage);
void HotKey(Handle window, int id);
// Another program posting the message registered by that name to every
// top-level window (HWND_BROADCAST).
void Broadcast(const std::string& name);
// Explorer starting again: the notification area has lost every icon, and
// the shell broadcasts "TaskbarCreated".
void RestartTaskbar();
// The user pressing a key combination: the window of this process that
// registered it as a hot key gets WM_HOTKEY (wParam the id, lParam the
// modifiers in the low word and the key in the high word); nothing when the
// process holds no such hot key.
void PressHotKey(std::uint32_t modifiers, std::uint32_t key);

// The user pressing a key while the form's window is the active one, with
// the shift flags (forms::kShiftMask, ...) held: WM_KEYDOWN goes to the
// form's focused control, or to the form when none has the focus. As the
// program's message loop does, the form's dialog keys come first
// (forms::Form::userDialogKey); a key they leave goes to the window, and for
// Tab, Enter and Space its character (WM_CHAR) follows.
void PressKey(const forms::Form& form, int key, int shift = 0);

// The user logging off: every form window of the process is asked with
// WM_QUERYENDSESSION; when all agree, each gets WM_ENDSESSION and the process
// ends with the session. False when a window refused (WM_ENDSESSION with
// FALSE then tells them the session goes on).
bool LogOff();

// Runs a user action the way the window system delivers one: a program that
// ends inside it is recorded in P().ended; the messages it posted follow.
void AsUser(const std::function<void()>& action);

}  // namespace sim
