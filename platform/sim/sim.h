#pragma once
// The simulated platform the host tests run the programs on. The machine
// (registry, files, OS record, version information, shell, clock) outlives
// the process (windows, key handles, message queue, timers, message boxes,
// module globals): sim::NewProcess() starts the program afresh on the same
// machine. Every test starts from Reset(); the test stages what the machine
// holds, acts as the user and reads back what the programs did.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/sim/browsers.h"
#include "platform/sim/file_writes.h"
#include "platform/sim/ip_table.h"
#include "platform/sim/process_start.h"
#include "platform/sim/services.h"
#include "platform/shell.h"
#include "platform/types.h"
#include "platform/version.h"

namespace forms {
class Form;
class Control;
class Menu;
}  // namespace forms

namespace sim {

using platform::Handle;

// Lower-cases ASCII letters, as the registry and the file system compare names.
std::string Fold(const std::string& text);

// ---- The machine -----------------------------------------------------------

struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // the bytes exactly as stored
};

struct RegistryKey {
    std::string name;  // as created
    std::map<std::string, RegistryValue> values;  // by folded name
    std::map<std::string, RegistryKey> subkeys;   // by folded name
};

class Registry {
public:
    // Staging and reading back, by root and backslash path.
    void setValue(platform::reg::Key root, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::string& data);
    void setString(platform::reg::Key root, const std::string& path, const std::string& name,
                   const std::string& text);  // REG_SZ with its NUL
    void createKey(platform::reg::Key root, const std::string& path);
    std::optional<RegistryValue> value(platform::reg::Key root, const std::string& path,
                                       const std::string& name) const;
    bool keyExists(platform::reg::Key root, const std::string& path) const;
    // Every path of the root that exists, for tests that check nothing was created.
    std::vector<std::string> keyPaths(platform::reg::Key root) const;

    // A root the program may read but not write: HKEY_LOCAL_MACHINE as a
    // limited user sees it, or a locked-down HKEY_CURRENT_USER.
    bool localMachineReadOnly = false;
    bool currentUserReadOnly = false;
    bool readOnly(platform::reg::Key root) const;

    // Registry calls that raise platform::Error instead of answering, by name
    // ("CreateKeyEx", "SetValue", "OpenKeyEx", "QueryValue", "CloseKey"), with
    // how many of the next calls raise.
    std::map<std::string, int> raises;

    // Backend use.
    RegistryKey* find(platform::reg::Key root, const std::string& path);
    RegistryKey* create(platform::reg::Key root, const std::string& path);
    std::map<platform::reg::Key, RegistryKey> roots;
};

struct File {
    std::string name;  // as stored
    std::uint32_t attributes = platform::files::kArchive;
    std::string contents;
};

class FileSystem {
public:
    // Adds a file, creating its folders.
    void addFile(const std::string& path, const std::string& contents,
                 std::uint32_t attributes = platform::files::kArchive);
    void addFolder(const std::string& path, std::uint32_t attributes = platform::files::kDirectory);
    bool exists(const std::string& path) const;
    const File* file(const std::string& path) const;
    // A drive or share the lookup cannot reach: every lookup below it fails with 3.
    std::set<std::string> unreachable;
    // Files that are there but that another program holds open: reading one
    // fails with 32 (sharing violation). Folded paths.
    std::set<std::string> locked;

    std::string programFolder = "C:\\Program Files\\Quillmere";
    std::string executableName = "windhover";

    std::map<std::string, File> entries;  // by folded full path
};

// The journal: the platform calls a test checks in order, one record a call.
struct RegistryWrite {
    enum Op { SetValue, DeleteValue, CreateKey, DeleteKey } op;
    std::string key{};   // "HKCU\..." or "HKLM\...", the key written
    std::string name{};  // the value, for SetValue and DeleteValue
    std::uint32_t type = 0;
    std::string data{};
    long result = 0;
};
struct SetWindowPosCall {
    Handle window;
    Handle insertAfter;
    std::uint32_t flags;
    bool result;
};
struct TrayCall {
    std::uint32_t message;
    platform::shell::NotifyIconData data;
    bool result;
};
struct ShellExecuteCall {
    std::string file;
    std::string parameters;
    std::string directory;
    int show = 0;
};
// sndPlaySound: the file, the flags, and whether it played (false: no such
// wave file).
struct SoundCall {
    std::string file;
    std::uint32_t flags = 0;
    bool played = false;
};
struct HotKeyCall {
    enum Op { Register, Unregister } op;
    Handle window;
    int id;
    std::uint32_t modifiers = 0;  // Register only
    std::uint32_t key = 0;        // Register only
    long result = 0;              // 0 or the last error
};
// A new kind of call: a record above, added here, and Record() from its
// simulated function.
using JournalEntry =
    std::variant<RegistryWrite, SetWindowPosCall, TrayCall, ShellExecuteCall, HotKeyCall, SoundCall>;

struct Machine {
    Registry registry;
    FileSystem files;
    IpTable ipTable;
    ProcessStarts processStarts;
    ServiceManager services;
    FileWriteFaults writeFaults;
    // The shell's windows and their browsers; the sinks the process connected
    // go with its end.
    Browsers browsers;
    // The icon resources built into the program, by name.
    std::set<std::string> iconResources{"AAA", "APPICON", "FORM1ICON", "LOGO"};

    platform::version::ProductVersion ownVersion{"Windhover", "Quillmere", "www.quillmere.example", 2, 1, 0};
    // The record GetVersionEx fills in; empty makes the call fail.
    std::optional<platform::version::OsVersionInfo> os;
    int getVersionExCalls = 0;

    // The notification area: the icons present, by (window, id). A process
    // that ends takes its icons with it.
    std::map<std::pair<Handle, std::uint32_t>, platform::shell::NotifyIconData> trayIcons;
    bool trayAvailable = true;
    std::intptr_t shellExecuteResult = 42;

    // System-wide hot keys other programs hold, as (modifiers, virtual key):
    // registering one of them fails with 1409.
    std::set<std::pair<std::uint32_t, std::uint32_t>> hotKeysTaken;

    // The virtual clock in milliseconds since the machine started; timers
    // below the resolution are raised to it.
    std::uint64_t now = 0;
    int timerResolution = 10;

    std::vector<JournalEntry> journal;
    // Registry keys that ended processes left open, as "HKCU\path".
    std::vector<std::string> leakedKeys;
};

// ---- The process -----------------------------------------------------------

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

struct MessageBoxRecord {
    std::string text;
    std::string title;
    std::uint32_t buttons = 0;  // the low four bits of the flags
    std::uint32_t icon = 0;     // the icon bits of the flags
    int answer = 0;
};

// The user's answer to a message box, given after the box has been open
// that long (timers tick and posted messages arrive meanwhile).
struct Answer {
    Answer(int button, std::uint64_t afterMs = 0) : button(button), afterMs(afterMs) {}
    int button;
    std::uint64_t afterMs;
};

// A hot key this process registered for one of its windows.
struct HotKeyRecord {
    Handle window = 0;
    int id = 0;
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
};

struct OpenKey {
    platform::reg::Key root;
    std::string path;
    bool writable;
};

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

    // The idle step's view of a DoEvents loop (see DoEvents).
    int idleStrikes = 0;
    bool clockRead = false;
};

// The machine and the process of the running test.
Machine& M();
Process& P();

// A fresh machine with a fresh process.
void Reset();
// Ends the running process as the system ends one (no handler runs, every
// window goes, open registry keys are noted in M().leakedKeys) and starts a
// fresh one on the same machine, every module global back at its start value.
void NewProcess();

// The registry keys the process has open, as "HKCU\path", by handle.
std::map<Handle, std::string> OpenKeys();

// The journal's records of one kind, in order.
template <class Call>
std::vector<Call> Journal() {
    std::vector<Call> calls;
    for (const JournalEntry& entry : M().journal)
        if (const Call* call = std::get_if<Call>(&entry)) calls.push_back(*call);
    return calls;
}
void Record(JournalEntry entry);

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
// The user pressing a key combination: the window of this process that
// registered it as a hot key gets WM_HOTKEY (wParam the id, lParam the
// modifiers in the low word and the key in the high word); nothing when the
// process holds no such hot key.
void PressHotKey(std::uint32_t modifiers, std::uint32_t key);

// The user logging off: every form window of the process is asked with
// WM_QUERYENDSESSION; when all agree, each gets WM_ENDSESSION and the process
// ends with the session. False when a window refused (WM_ENDSESSION with
// FALSE then tells them the session goes on).
bool LogOff();

// Runs a user action the way the window system delivers one: a program that
// ends inside it is recorded in P().ended; the messages it posted follow.
void AsUser(const std::function<void()>& action);

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
