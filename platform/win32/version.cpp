// Version information: the executable's own version resource and the
// system's version record.
#include "platform/version.h"

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

// windows.h maps the name to GetVersionExA; ours is the portable one.
#undef GetVersionEx

namespace platform::version {

namespace {

// The block the string values stand under: the first translation the
// resource lists, or US English in Unicode when it lists none.
std::wstring StringBlock(std::vector<char>& data) {
    void* entry = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &entry, &length) || length < 4) return L"040904B0";
    const auto* translation = static_cast<const WORD*>(entry);
    wchar_t block[16];
    std::swprintf(block, sizeof block / sizeof block[0], L"%04X%04X", translation[0], translation[1]);
    return block;
}

// A string value in the system's ANSI code page; "" when the resource has none.
std::string StringValue(std::vector<char>& data, const std::wstring& block, const wchar_t* name) {
    const std::wstring query = L"\\StringFileInfo\\" + block + L"\\" + name;
    void* entry = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), query.c_str(), &entry, &length) || length == 0) return std::string();
    const auto* text = static_cast<const wchar_t*>(entry);
    const int characters = static_cast<int>(wcsnlen(text, length));
    if (characters == 0) return std::string();
    const int size = WideCharToMultiByte(CP_ACP, 0, text, characters, nullptr, 0, nullptr, nullptr);
    std::string value(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, characters, value.data(), size, nullptr, nullptr);
    return value;
}

}  // namespace

// Read from the resource loaded with the executable, not from its file: the
// file's path may be too long for the calls that open a file by name.
ProductVersion OwnVersion() {
    ProductVersion version;
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    const DWORD size = resource ? SizeofResource(nullptr, resource) : 0;
    if (!bytes || size == 0) return version;
    // The queries read a copy of their own, as they would the block of
    // GetFileVersionInfo.
    std::vector<char> data(bytes, bytes + size);

    void* entry = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\", &entry, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(entry);
        version.major = HIWORD(fixed->dwFileVersionMS);
        version.minor = LOWORD(fixed->dwFileVersionMS);
        version.revision = HIWORD(fixed->dwFileVersionLS);
    }
    const std::wstring block = StringBlock(data);
    version.productName = StringValue(data, block, L"ProductName");
    version.companyName = StringValue(data, block, L"CompanyName");
    version.comments = StringValue(data, block, L"Comments");
    return version;
}

int GetVersionEx(OsVersionInfo* info) {
    if (!info) return 0;
    OSVERSIONINFOEXA record;
    std::memset(&record, 0, sizeof record);
    record.dwOSVersionInfoSize = info->size;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record))) return 0;
    info->majorVersion = record.dwMajorVersion;
    info->minorVersion = record.dwMinorVersion;
    info->buildNumber = record.dwBuildNumber;
    info->platformId = record.dwPlatformId;
    std::memcpy(info->csdVersion, record.szCSDVersion, sizeof info->csdVersion);
    if (info->size < kOsVersionInfoExSize) return 1;
    info->servicePackMajor = record.wServicePackMajor;
    info->servicePackMinor = record.wServicePackMinor;
    info->suiteMask = record.wSuiteMask;
    info->productType = record.wProductType;
    info->reserved = record.wReserved;
    return 1;
}

}  // namespace platform::version
