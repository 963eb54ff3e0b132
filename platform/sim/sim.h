#pragma once
// The simulated machine the host tests run the programs on: an in-memory
// registry, file system, shell and window system with a virtual clock. Every
// test starts from Reset(); the test stages what the machine holds, acts as
// the user and reads back what the programs did.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/sim/browsers.h"
#include "platform/sim/file_writes.h"
#include "platform/sim/sounds.h"
#include "platform/sim/window_messages.h"
#include "platform/shell.h"
#include "platform/types.h"
#include "platform/version.h"

namespace forms {
class Form;
class Menu;
class Timer;
}  // namespace forms

namespace sim {

using platform::Handle;

// Lower-cases ASCII letters, as the registry and the file system compare names.
std::string Fold(const std::string& text);

struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // the bytes exactly as stored
};

struct RegistryKey {
    std::string name;  // as created
    std::map<std::string, RegistryValue> values;  // by folded name
    std::map<std::string, RegistryKey> subkeys;  // by folded name
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

    // HKEY_LOCAL_MACHINE as a limited user sees it: readable, not writable.
    bool localMachineReadOnly = false;

    // The keys opened and not yet closed, by handle, with their paths.
    std::map<Handle, std::string> openHandles() const;

    // Backend use.
    RegistryKey* find(platform::reg::Key root, const std::string& path);
    RegistryKey* create(platform::reg::Key root, const std::string& path);
    struct OpenKey {
        platform::reg::Key root;
        std::string path;
        bool writable;
    };
    std::map<Handle, OpenKey> handles;
    Handle nextHandle = 0x1000;
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

    std::string programFolder = "C:\\Program Files\\Quillmere";

    std::map<std::string, File> entries;  // by folded full path
};

struct MessageBoxRecord {
    std::string text;
    std::string title;
    std::uint32_t buttons = 0;  // the low four bits of the flags
    std::uint32_t icon = 0;     // the icon bits of the flags
    int answer = 0;
};

struct ShellExecuteRecord {
    std::string file;
    std::string parameters;
    std::string directory;
    int show = 0;
};

struct SetWindowPosRecord {
    Handle window;
    Handle insertAfter;
    std::uint32_t flags;
};

struct Machine {
    Registry registry;
    FileSystem files;
    FileWriteFaults writeFaults;
    Browsers browsers;
    Sounds sounds;
    WindowMessages windowMessages;

    platform::version::ProductVersion ownVersion{"Windhover", "Quillmere", "www.quillmere.example", 2, 1, 0};
    // The record GetVersionEx fills in; empty makes the call fail.
    std::optional<platform::version::OsVersionInfo> os;
    int getVersionExCalls = 0;

    // Notification area: the icons present, by (window, id).
    std::map<std::pair<Handle, std::uint32_t>, platform::shell::NotifyIconData> trayIcons;
    std::vector<std::pair<std::uint32_t, platform::shell::NotifyIconData>> trayCalls;
    bool trayAvailable = true;

    std::vector<ShellExecuteRecord> shellExecutes;
    std::intptr_t shellExecuteResult = 42;

    // Windows: the handles of live native windows, the topmost ones, regions.
    std::set<Handle> windows;
    std::set<Handle> topmost;
    std::map<Handle, std::pair<int, int>> regions;
    std::vector<SetWindowPosRecord> setWindowPosCalls;
    Handle nextWindow = 0x10000;

    // Message boxes shown, and the answers the user will give, in order. A box
    // with no answer left gets its first button.
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<int> answers;

    // The pop-up menus shown, and the items the user will choose from them
    // (nullptr dismisses the menu).
    std::vector<forms::Menu*> popups;
    std::deque<forms::Menu*> popupChoices;

    // Virtual clock in milliseconds; timers below the resolution are raised to it.
    std::uint64_t now = 0;
    int timerResolution = 10;
    struct TimerState {
        std::uint64_t due;
        std::uint64_t order;
    };
    std::map<forms::Timer*, TimerState> timers;
    std::uint64_t timerOrder = 0;

    // Posted work: window messages waiting in the queue.
    std::deque<std::function<void()>> queue;
    // What the user does when the program waits for the user (a modal window
    // with nothing else to do), in order.
    std::deque<std::function<void()>> userActions;

    bool ended = false;
    forms::Form* active = nullptr;
};

// The machine of the running test.
Machine& M();

// A fresh machine: destroys every form and clears all state.
void Reset();

// Runs posted messages until the queue is empty.
void Pump();
// Advances the virtual clock, running each timer tick when it falls due, in
// order of due time. Returns early when the program ends.
void Advance(std::uint64_t milliseconds);
// Advances the clock to the next timer tick and runs it; false when no timer runs.
bool RunNextTimer();

// The notification-area icon's callback: the shell sends the window the
// callback message with the id and the mouse message.
void TrayMouse(Handle window, std::uint32_t id, std::uint32_t mouseMessage);

// Runs a user action the way the window system delivers one: a program that
// ends inside it is recorded in M().ended.
void AsUser(const std::function<void()>& action);

}  // namespace sim
