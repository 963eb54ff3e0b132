#pragma once
// The simulated machine: what outlives a process (registry, files, services,
// address table, browsers, notification area, version records, the clock and
// the journal).
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/shell.h"
#include "platform/sim/browser.h"
#include "platform/sim/files.h"
#include "platform/sim/journal.h"
#include "platform/sim/network.h"
#include "platform/sim/process_starts.h"
#include "platform/sim/registry.h"
#include "platform/sim/services.h"
#include "platform/types.h"
#include "platform/version.h"

namespace sim {

using platform::Handle;

// Lower-cases ASCII letters, as the registry and the file system compare names.
std::string Fold(const std::string& text);

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
    std::set<std::string> iconResources{"AAA", "APPICON", "FORM1ICON", "FRMMAINICON", "LOGO"};

    platform::version::ProductVersion ownVersion{"Windhover", "Quillmere", "www.quillmere.example", 2, 1, 0};
    // The record GetVersionEx fills in; empty makes the call fail.
    std::optional<platform::version::OsVersionInfo> os;
    int getVersionExCalls = 0;
    // The ANSI code page: 1252, or 65001 (UTF-8) as Windows 10 can have it.
    std::uint32_t ansiCodePage = 1252;

    // The notification area: the icons present, by (window, id). A process
    // that ends takes its icons with it.
    std::map<std::pair<Handle, std::uint32_t>, platform::shell::NotifyIconData> trayIcons;
    // The messages registered by name in the session, by folded name.
    std::map<std::string, std::uint32_t> registeredMessages;
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

// The machine of the running test.
Machine& M();

// A fresh machine with a fresh process.
void Reset();

// The journal's records of one kind, in order.
template <class Call>
std::vector<Call> Journal() {
    std::vector<Call> calls;
    for (const JournalEntry& entry : M().journal)
        if (const Call* call = std::get_if<Call>(&entry)) calls.push_back(*call);
    return calls;
}

}  // namespace sim
