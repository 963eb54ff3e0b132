// The contract rows' staging on the real system, with its own calls.
#include <windows.h>

#include "platform/win32/registry_key.h"
#include "tests/contract/contract_stage.h"

namespace contract {

namespace {

void DeleteTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    // Always the first subkey: deleting one renumbers the rest.
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) DeleteTree(key, name);
    RegCloseKey(key);
    RegDeleteKeyA(root, path.c_str());
}

}  // namespace

void StageSystem() {}

void RemoveKeyTree(platform::reg::Key root, const std::string& path) {
    DeleteTree(platform::win32::NativeKey(root), path);
}

bool MakeFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool MakeFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool wrote =
        contents.empty() || ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    return wrote && (attributes == 0 || SetFileAttributesA(path.c_str(), attributes));
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

platform::Handle MakeWindow() {
    HWND window =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return reinterpret_cast<platform::Handle>(window);
}

void DestroyWindow(platform::Handle window) { ::DestroyWindow(reinterpret_cast<HWND>(window)); }

void MarkLastError(std::uint32_t marker) { SetLastError(marker); }

bool InstallService(const std::string& name, const std::string& displayName, const std::string& command) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return false;
    SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS);
    if (!service)
        service = CreateServiceA(manager, name.c_str(), displayName.c_str(), SERVICE_ALL_ACCESS,
                                 SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, command.c_str(),
                                 nullptr, nullptr, nullptr, nullptr, nullptr);
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return service != nullptr;
}

void RemoveService(const std::string& name) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    if (SC_HANDLE service = OpenServiceA(manager, name.c_str(), DELETE)) {
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

void Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace contract
