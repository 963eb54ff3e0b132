#pragma once
// The journal: the platform calls a test checks in order, one record a call.
// Read back with sim::Journal<Call>() (machine.h).
#include <cstdint>
#include <string>
#include <variant>

#include "platform/shell.h"
#include "platform/types.h"

namespace sim {

using platform::Handle;

struct RegistryWrite {
    enum Op { SetValue, DeleteValue, CreateKey, DeleteKey } op;
    std::string key{};   // "HKCU\..." or "HKLM\...", the key written
    std::string name{};  // the value, for SetValue and DeleteValue
    std::uint32_t type = 0;
    std::string data{};
    long result = 0;
    std::uint32_t access = 0;  // CreateKey: the rights the key was opened with
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
// BM_SETCHECK: a check box's value set, by the user or from code.
struct CheckCall {
    Handle control;
    int value;
};
// A new kind of call: a record above, added here, and Record() from its
// simulated function.
using JournalEntry =
    std::variant<RegistryWrite, SetWindowPosCall, TrayCall, ShellExecuteCall, HotKeyCall, SoundCall, CheckCall>;
void Record(JournalEntry entry);

}  // namespace sim
