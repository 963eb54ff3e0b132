// Version information: the executable's own version resource and the
// system's version record.
#include "platform/version.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/win32/handles.h"

// windows.h maps the name to GetVersionExA; ours is the portable one.
#undef GetVersionEx

namespace platform::version {

namespace {

// The block the string values stand under: the first translation the
// resource lists, or US English in Unicode when it lists none.
std::string StringBlock(std::vector<char>& data) {
    void* entry = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &entry, &length) || length < 4)
        return "040904B0";
    const auto* translation = static_cast<const WORD*>(entry);
    char block[16];
    std::snprintf(block, sizeof block, "%04X%04X", translation[0], translation[1]);
    return block;
}

std::string StringValue(std::vector<char>& data, const std::string& block, const char* name) {
    const std::string query = "\\StringFileInfo\\" + block + "\\" + name;
    void* entry = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), query.c_str(), &entry, &length) || length == 0) return std::string();
    const char* text = static_cast<const char*>(entry);
    return std::string(text, strnlen(text, length));
}

}  // namespace

ProductVersion OwnVersion() {
    ProductVersion version;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return version;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) return version;

    void* entry = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\", &entry, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(entry);
        version.major = HIWORD(fixed->dwFileVersionMS);
        version.minor = LOWORD(fixed->dwFileVersionMS);
        version.revision = HIWORD(fixed->dwFileVersionLS);
    }
    const std::string block = StringBlock(data);
    version.productName = StringValue(data, block, "ProductName");
    version.companyName = StringValue(data, block, "CompanyName");
    version.comments = StringValue(data, block, "Comments");
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
