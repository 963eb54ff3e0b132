// The registry: the ANSI registry calls, passed straight through so that their
// result codes and stored sizes are the system's own.
#include "platform/registry.h"

#include "platform/win32/handles.h"
#include "platform/win32/registry_key.h"

namespace platform::win32 {

HKEY NativeKey(reg::Key key) {
    switch (key) {
        case reg::kCurrentUser:
            return HKEY_CURRENT_USER;
        case reg::kLocalMachine:
            return HKEY_LOCAL_MACHINE;
        default:
            return To<HKEY>(key);
    }
}

}  // namespace platform::win32

namespace platform::reg {

using win32::From;
using win32::NativeKey;

long OpenKey(Key root, const std::string& path, Key* result) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyA(NativeKey(root), path.c_str(), &key);
    *result = From(key);
    return status;
}

long OpenKeyEx(Key root, const std::string& path, std::uint32_t access, Key* result) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(NativeKey(root), path.c_str(), 0, access, &key);
    *result = From(key);
    return status;
}

long CreateKey(Key root, const std::string& path, Key* result) {
    HKEY key = nullptr;
    const LONG status = RegCreateKeyA(NativeKey(root), path.c_str(), &key);
    *result = From(key);
    return status;
}

long CreateKeyEx(Key root, const std::string& path, std::uint32_t access, Key* result, std::uint32_t* disposition) {
    HKEY key = nullptr;
    DWORD created = 0;
    const LONG status = RegCreateKeyExA(NativeKey(root), path.c_str(), 0, nullptr, 0, access, nullptr, &key, &created);
    *result = From(key);
    if (disposition) *disposition = created;
    return status;
}

long QueryValue(Key key, const std::string& name, std::uint32_t* type, void* data, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    const LONG status = RegQueryValueExA(NativeKey(key), name.c_str(), nullptr, type ? &valueType : nullptr,
                                         static_cast<BYTE*>(data), size ? &valueSize : nullptr);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return status;
}

long SetValue(Key key, const std::string& name, std::uint32_t type, const void* data, std::uint32_t size) {
    return RegSetValueExA(NativeKey(key), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

long DeleteValue(Key key, const std::string& name) { return RegDeleteValueA(NativeKey(key), name.c_str()); }

long DeleteKey(Key root, const std::string& path) { return RegDeleteKeyA(NativeKey(root), path.c_str()); }

long CloseKey(Key key) { return RegCloseKey(NativeKey(key)); }

}  // namespace platform::reg
