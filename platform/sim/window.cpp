// The simulated window manager's hot keys, window procedures, posted
// messages, positions and regions. A procedure reference is the link of the
// window's chain counted from 1, so that 0 stays "none" as on Windows.
#include <algorithm>
#include <iterator>

#include "platform/messages.h"
#include "platform/sim/sim.h"
#include "platform/window.h"

namespace platform::window {

namespace {

bool Held(std::uint32_t modifiers, std::uint32_t key) {
    const auto& held = sim::P().hotKeys;
    return sim::M().hotKeysTaken.count({modifiers, key}) != 0 ||
           std::any_of(held.begin(), held.end(), [&](const sim::HotKeyRecord& hotKey) {
               return hotKey.modifiers == modifiers && hotKey.key == key;
           });
}

long Register(Handle window, int id, std::uint32_t modifiers, std::uint32_t key) {
    if (!sim::FindWindow(window)) return kErrorInvalidWindowHandle;
    if (Held(modifiers, key)) return kErrorHotkeyAlreadyRegistered;
    sim::P().hotKeys.push_back(sim::HotKeyRecord{window, id, modifiers, key});
    return kErrorSuccess;
}

long Unregister(Handle window, int id) {
    auto& held = sim::P().hotKeys;
    const auto found = std::find_if(held.begin(), held.end(), [&](const sim::HotKeyRecord& hotKey) {
        return hotKey.window == window && hotKey.id == id;
    });
    if (found == held.end()) return kErrorHotkeyNotRegistered;
    held.erase(found);
    return kErrorSuccess;
}

}  // namespace

long RegisterHotKey(Handle window, int id, std::uint32_t modifiers, std::uint32_t key) {
    const long result = Register(window, id, modifiers, key);
    sim::Record(sim::HotKeyCall{sim::HotKeyCall::Register, window, id, modifiers, key, result});
    return result;
}

long UnregisterHotKey(Handle window, int id) {
    const long result = Unregister(window, id);
    sim::Record(sim::HotKeyCall{sim::HotKeyCall::Unregister, window, id, 0, 0, result});
    return result;
}

ProcedureRef SubclassWindow(Handle window, Procedure procedure) {
    sim::Window* record = sim::FindWindow(window);
    if (!record || !procedure || record->procedures.empty()) return 0;
    const ProcedureRef replaced = record->procedures.size();
    record->procedures.push_back([procedure](const sim::Message& message) {
        return procedure(message.window, message.message, message.wParam, message.lParam);
    });
    return replaced;
}

// The links above the one given back go: a procedure that is no longer the
// window's is not called again.
ProcedureRef RestoreProcedure(Handle window, ProcedureRef procedure) {
    sim::Window* record = sim::FindWindow(window);
    if (!record || procedure == 0 || procedure > record->procedures.size()) return 0;
    const ProcedureRef replaced = record->procedures.size();
    record->procedures.erase(record->procedures.begin() + static_cast<std::ptrdiff_t>(procedure),
                             record->procedures.end());
    return replaced;
}

std::intptr_t CallProcedure(ProcedureRef procedure, Handle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    if (procedure == 0) return 0;
    return sim::CallLink(sim::Message{window, message, wParam, lParam}, procedure - 1);
}

std::uint32_t RegisterMessage(const std::string& name) {
    auto& registered = sim::M().registeredMessages;
    if (name.empty()) return 0;
    const auto [entry, added] = registered.emplace(sim::Fold(name), 0);
    if (added) entry->second = platform::msg::kFirstRegistered + static_cast<std::uint32_t>(registered.size() - 1);
    return entry->second;
}

bool Post(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (!sim::FindWindow(window)) return false;
    sim::Post(sim::Message{window, message, wParam, lParam});
    return true;
}

}  // namespace platform::window

// Owners, system metrics, the program's icons and sent messages.

namespace sim {

Handle SharedIcon(const std::string& resourceName, int width) {
    const auto& names = M().iconResources;
    auto it = names.find(resourceName);
    if (it == names.end()) return 0;
    return 0x30000 + static_cast<Handle>(std::distance(names.begin(), it)) * 0x1000 + static_cast<Handle>(width);
}

}  // namespace sim

namespace platform::window {

Handle Owner(Handle window) {
    const sim::Window* record = sim::FindWindow(window);
    return record ? record->owner : 0;
}

int SystemMetric(int index) {
    switch (index) {
        case kSmCxIcon:
        case kSmCyIcon:
            return 32;
        case kSmCxSmIcon:
        case kSmCySmIcon:
            return 16;
        default:
            return 0;
    }
}

Handle LoadSharedIcon(const std::string& resourceName, int width, int height) {
    return width == height ? sim::SharedIcon(resourceName, width) : 0;
}

std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return sim::Send(sim::Message{window, message, wParam, lParam});
}

bool SetWindowPos(Handle window, Handle insertAfter, int, int, int, int, std::uint32_t flags) {
    sim::Window* record = sim::FindWindow(window);
    sim::Record(sim::SetWindowPosCall{window, insertAfter, flags, record != nullptr});
    if (!record) return false;
    if (insertAfter == kHwndTopmost) record->topmost = true;
    if (insertAfter == kHwndNoTopmost) record->topmost = false;
    return true;
}

bool SetRectRegion(Handle window, int width, int height) {
    sim::Window* record = sim::FindWindow(window);
    if (!record) return false;
    record->region = std::make_pair(width, height);
    return true;
}

}  // namespace platform::window
