#pragma once
// The registry as the programs use it: the ANSI registry calls with Win32's
// handles, value types and result codes. Every call returns a Win32 result
// code (0 on success).
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform::reg {

using Key = Handle;

inline constexpr Key kCurrentUser = 0x80000001u;
inline constexpr Key kLocalMachine = 0x80000002u;

enum ValueType : std::uint32_t {
    kNone = 0,
    kSz = 1,
    kExpandSz = 2,
    kBinary = 3,
    kDword = 4,
    kMultiSz = 7,
};

// Access rights for OpenKeyEx.
inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kRead = 0x20019;
inline constexpr std::uint32_t kWrite = 0x20006;
inline constexpr std::uint32_t kAllAccess = 0xF003F;

// RegOpenKeyA: opens an existing key with the caller's full rights.
long OpenKey(Key root, const std::string& path, Key* result);
// RegOpenKeyExA.
long OpenKeyEx(Key root, const std::string& path, std::uint32_t access, Key* result);
// RegCreateKeyA: opens the key, creating it and any missing parents.
long CreateKey(Key root, const std::string& path, Key* result);
// RegCreateKeyExA with no class, options 0 and no security record: opens the
// key with `access`, creating it and any missing parents. `disposition`, when
// given, is 1 when the key was created, 2 when it existed.
long CreateKeyEx(Key root, const std::string& path, std::uint32_t access, Key* result,
                 std::uint32_t* disposition = nullptr);
// RegQueryValueExA. With data null only the type and size are returned; with a
// buffer too small the size needed is returned with kErrorMoreData.
long QueryValue(Key key, const std::string& name, std::uint32_t* type, void* data, std::uint32_t* size);
// RegSetValueExA: stores exactly `size` bytes of `data`.
long SetValue(Key key, const std::string& name, std::uint32_t type, const void* data, std::uint32_t size);
// RegDeleteValueA.
long DeleteValue(Key key, const std::string& name);
// RegDeleteKeyA: deletes a key that has no subkeys.
long DeleteKey(Key root, const std::string& path);
// RegCloseKey.
long CloseKey(Key key);

}  // namespace platform::reg
