// The simulated registry: its keys and values, and the ANSI registry calls of registry.h on it,
// with their result codes and the key handles the process holds.
#include <sstream>

#include "platform/registry.h"
#include "platform/sim/sim.h"

namespace {

std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(path);
    while (std::getline(in, part, '\\'))
        if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string Join(const std::string& base, const std::string& path) {
    if (base.empty()) return path;
    if (path.empty()) return base;
    return base + "\\" + path;
}

bool IsRoot(platform::reg::Key key) {
    return key == platform::reg::kCurrentUser || key == platform::reg::kLocalMachine;
}

}  // namespace

namespace sim {

RegistryKey* Registry::find(platform::reg::Key root, const std::string& path) {
    if (!IsRoot(root)) return nullptr;
    RegistryKey* key = &roots[root];
    for (const std::string& part : Split(path)) {
        auto next = key->subkeys.find(Fold(part));
        if (next == key->subkeys.end()) return nullptr;
        key = &next->second;
    }
    return key;
}

RegistryKey* Registry::create(platform::reg::Key root, const std::string& path) {
    if (!IsRoot(root)) return nullptr;
    RegistryKey* key = &roots[root];
    for (const std::string& part : Split(path)) {
        RegistryKey& next = key->subkeys[Fold(part)];
        if (next.name.empty()) next.name = part;
        key = &next;
    }
    return key;
}

void Registry::setValue(platform::reg::Key root, const std::string& path, const std::string& name, std::uint32_t type,
                        const std::string& data) {
    RegistryKey* key = create(root, path);
    key->values[Fold(name)] = RegistryValue{type, data};
}

void Registry::setString(platform::reg::Key root, const std::string& path, const std::string& name,
                         const std::string& text) {
    setValue(root, path, name, platform::reg::kSz, text + std::string(1, '\0'));
}

void Registry::createKey(platform::reg::Key root, const std::string& path) { create(root, path); }

std::optional<RegistryValue> Registry::value(platform::reg::Key root, const std::string& path,
                                             const std::string& name) const {
    RegistryKey* key = const_cast<Registry*>(this)->find(root, path);
    if (!key) return std::nullopt;
    auto value = key->values.find(Fold(name));
    if (value == key->values.end()) return std::nullopt;
    return value->second;
}

bool Registry::keyExists(platform::reg::Key root, const std::string& path) const {
    return const_cast<Registry*>(this)->find(root, path) != nullptr;
}

static void CollectPaths(const RegistryKey& key, const std::string& path, std::vector<std::string>* out) {
    for (const auto& [folded, sub] : key.subkeys) {
        std::string full = Join(path, sub.name);
        out->push_back(full);
        CollectPaths(sub, full, out);
    }
}

std::vector<std::string> Registry::keyPaths(platform::reg::Key root) const {
    std::vector<std::string> paths;
    auto it = roots.find(root);
    if (it != roots.end()) CollectPaths(it->second, "", &paths);
    return paths;
}

bool Registry::readOnly(platform::reg::Key root) const {
    return root == platform::reg::kLocalMachine ? localMachineReadOnly : currentUserReadOnly;
}

}  // namespace sim

namespace platform::reg {

namespace {

sim::Registry& R() { return sim::M().registry; }

// Resolves a root or an open handle to its root and path.
bool Resolve(Key key, Key* root, std::string* path, bool* writable) {
    if (key == kCurrentUser || key == kLocalMachine) {
        *root = key;
        path->clear();
        *writable = !R().readOnly(key);
        return true;
    }
    auto open = sim::P().keys.find(key);
    if (open == sim::P().keys.end()) return false;
    *root = open->second.root;
    *path = open->second.path;
    *writable = open->second.writable;
    return true;
}

bool IsString(std::uint32_t type) { return type == kSz || type == kExpandSz || type == kMultiSz; }

Key NewHandle(Key root, const std::string& path, bool writable) {
    auto& p = sim::P();
    Key handle = p.nextKey;
    p.nextKey += 4;
    p.keys[handle] = sim::OpenKey{root, path, writable};
    return handle;
}

std::string KeyName(Key key) {
    Key root;
    std::string path;
    bool writable;
    if (!Resolve(key, &root, &path, &writable)) return "<invalid handle>";
    return Join(root == kLocalMachine ? "HKLM" : "HKCU", path);
}

// Journals one write and passes its result on.
long Journaled(sim::RegistryWrite write, long result) {
    write.result = result;
    sim::Record(std::move(write));
    return result;
}

// `wantWrite`: refused where the caller may not write. `setValues`: the handle
// may set and delete values where the caller may write.
long Open(Key key, const std::string& path, bool wantWrite, bool setValues, Key* result) {
    Key root;
    std::string base;
    bool writable;
    if (!Resolve(key, &root, &base, &writable)) return kErrorInvalidHandle;
    const std::string full = Join(base, path);
    if (!R().find(root, full)) return kErrorFileNotFound;
    const bool denied = R().readOnly(root);
    if (wantWrite && denied) return kErrorAccessDenied;
    *result = NewHandle(root, full, setValues && !denied);
    return kErrorSuccess;
}

constexpr long kErrorKeyDeleted = 1018;

// The code of a failure the test staged for the call, or 0.
long Staged(sim::RegistryCall call) {
    auto staged = R().failures.find(call);
    if (staged == R().failures.end() || staged->second.empty()) return kErrorSuccess;
    const long code = staged->second.front();
    staged->second.pop_front();
    return code;
}

// The key a root or an open handle stands for, or why there is none.
long Lookup(Key key, sim::RegistryKey** found, bool* writable) {
    Key root;
    std::string path;
    if (!Resolve(key, &root, &path, writable)) return kErrorInvalidHandle;
    *found = R().find(root, path);
    return *found ? kErrorSuccess : kErrorKeyDeleted;
}

}  // namespace

// RegOpenKeyA asks for all the rights the caller has.
long OpenKey(Key root, const std::string& path, Key* result) {
    if (long staged = Staged(sim::RegistryCall::OpenKey)) return staged;
    return Open(root, path, false, true, result);
}

// Only a key opened with kSetValue takes values, as on the system.
long OpenKeyEx(Key root, const std::string& path, std::uint32_t access, Key* result) {
    if (long staged = Staged(sim::RegistryCall::OpenKeyEx)) return staged;
    const bool wantWrite = (access & (kSetValue | kCreateSubKey)) != 0;
    return Open(root, path, wantWrite, (access & kSetValue) != 0, result);
}

namespace {

// Where the caller may not write, an existing key opens for reading only and
// a missing one is not made.
long Create(Key key, const std::string& path, std::uint32_t access, Key* result, std::uint32_t* disposition) {
    Key root;
    std::string base;
    bool writable;
    if (!Resolve(key, &root, &base, &writable)) return kErrorInvalidHandle;
    const std::string full = Join(base, path);
    const bool exists = R().find(root, full) != nullptr;
    const bool denied = R().readOnly(root);
    const bool wantWrite = (access & (kSetValue | kCreateSubKey)) != 0;
    if (denied && (wantWrite || !exists)) return kErrorAccessDenied;
    R().create(root, full);
    if (disposition) *disposition = exists ? 2 : 1;
    *result = NewHandle(root, full, (access & kSetValue) != 0 && !denied);
    return kErrorSuccess;
}

}  // namespace

// RegCreateKeyA asks for all access.
long CreateKey(Key key, const std::string& path, Key* result) {
    sim::RegistryWrite write{sim::RegistryWrite::CreateKey, Join(KeyName(key), path)};
    write.access = kAllAccess;
    const long staged = Staged(sim::RegistryCall::CreateKey);
    return Journaled(std::move(write), staged ? staged : Create(key, path, kAllAccess, result, nullptr));
}

long CreateKeyEx(Key key, const std::string& path, std::uint32_t access, Key* result, std::uint32_t* disposition) {
    sim::RegistryWrite write{sim::RegistryWrite::CreateKey, Join(KeyName(key), path)};
    write.access = access;
    const long staged = Staged(sim::RegistryCall::CreateKeyEx);
    return Journaled(std::move(write), staged ? staged : Create(key, path, access, result, disposition));
}

long QueryValue(Key key, const std::string& name, std::uint32_t* type, void* data, std::uint32_t* size) {
    if (long staged = Staged(sim::RegistryCall::QueryValue)) return staged;
    bool writable;
    sim::RegistryKey* k = nullptr;
    if (long result = Lookup(key, &k, &writable)) return result;
    auto value = k->values.find(sim::Fold(name));
    if (value == k->values.end()) return kErrorFileNotFound;
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    if (type) *type = value->second.type;
    if (!data) {
        if (size) *size = needed;
        return kErrorSuccess;
    }
    if (!size) return kErrorInvalidParameter;
    if (*size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    value->second.data.copy(static_cast<char*>(data), needed);
    // With room to spare the system ends a string stored without its NUL with
    // one of its own, outside the size it returns.
    if (IsString(value->second.type) && needed > 0 && *size > needed && value->second.data.back() != '\0')
        static_cast<char*>(data)[needed] = '\0';
    *size = needed;
    return kErrorSuccess;
}

namespace {

long Set(Key key, const std::string& name, std::uint32_t type, const void* data, std::uint32_t size) {
    if (long staged = Staged(sim::RegistryCall::SetValue)) return staged;
    bool writable;
    sim::RegistryKey* k = nullptr;
    if (long result = Lookup(key, &k, &writable)) return result;
    if (!writable) return kErrorAccessDenied;
    // RegSetValueExA counts the NUL of a string whose size leaves it out when
    // it follows the text; it reads that one byte past the size to see.
    const char* bytes = static_cast<const char*>(data);
    if (IsString(type) && size > 0 && bytes[size - 1] != '\0' && bytes[size] == '\0') ++size;
    k->values[sim::Fold(name)] = sim::RegistryValue{type, std::string(bytes, size)};
    return kErrorSuccess;
}

long Delete(Key key, const std::string& name) {
    if (long staged = Staged(sim::RegistryCall::DeleteValue)) return staged;
    bool writable;
    sim::RegistryKey* k = nullptr;
    if (long result = Lookup(key, &k, &writable)) return result;
    if (!writable) return kErrorAccessDenied;
    if (!k->values.erase(sim::Fold(name))) return kErrorFileNotFound;
    return kErrorSuccess;
}

long RemoveKey(Key key, const std::string& path) {
    if (long staged = Staged(sim::RegistryCall::DeleteKey)) return staged;
    Key root;
    std::string base;
    bool writable;
    if (!Resolve(key, &root, &base, &writable)) return kErrorInvalidHandle;
    std::string full = Join(base, path);
    while (!full.empty() && full.back() == '\\') full.pop_back();
    sim::RegistryKey* target = R().find(root, full);
    if (!target || full.empty()) return kErrorFileNotFound;
    // The key is opened anew for deleting: the rights of `key` do not matter.
    if (R().readOnly(root)) return kErrorAccessDenied;
    if (!target->subkeys.empty()) return kErrorAccessDenied;
    const auto cut = full.find_last_of('\\');
    sim::RegistryKey* parent = R().find(root, cut == std::string::npos ? "" : full.substr(0, cut));
    parent->subkeys.erase(sim::Fold(cut == std::string::npos ? full : full.substr(cut + 1)));
    return kErrorSuccess;
}

}  // namespace

long SetValue(Key key, const std::string& name, std::uint32_t type, const void* data, std::uint32_t size) {
    const long result = Set(key, name, type, data, size);
    sim::RegistryWrite write{sim::RegistryWrite::SetValue, KeyName(key), name, type,
                             std::string(static_cast<const char*>(data), size)};
    return Journaled(std::move(write), result);
}

long DeleteValue(Key key, const std::string& name) {
    return Journaled(sim::RegistryWrite{sim::RegistryWrite::DeleteValue, KeyName(key), name}, Delete(key, name));
}

long DeleteKey(Key key, const std::string& path) {
    return Journaled(sim::RegistryWrite{sim::RegistryWrite::DeleteKey, Join(KeyName(key), path)}, RemoveKey(key, path));
}

long CloseKey(Key key) {
    if (long staged = Staged(sim::RegistryCall::CloseKey)) return staged;
    if (key == kCurrentUser || key == kLocalMachine) return kErrorSuccess;
    return sim::P().keys.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace platform::reg
