// wreglock.exe: makes a key of HKEY_CURRENT_USER refuse writes, as a
// locked-down account's settings key does, and gives writing back.
//
//   wreglock deny  <path under HKCU>   reads stay allowed; setting values and making subkeys are denied
//   wreglock allow <path under HKCU>   everything allowed again
//
// The key is made when it is missing. Exit status 0 done, 1 failed, 2 misuse.
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "deny") != 0 && std::strcmp(argv[1], "allow") != 0)) {
        std::fprintf(stderr, "usage: wreglock deny|allow <path under HKCU>\n");
        return 2;
    }
    const bool deny = std::strcmp(argv[1], "deny") == 0;
    // Everyone may do everything; with deny, first refused KEY_SET_VALUE and KEY_CREATE_SUB_KEY.
    const char* rules = deny ? "D:(D;;0x6;;;WD)(A;;KA;;;WD)" : "D:(A;;KA;;;WD)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(rules, SDDL_REVISION_1, &descriptor, nullptr)) {
        std::fprintf(stderr, "wreglock: no descriptor (error %lu)\n", GetLastError());
        return 1;
    }
    HKEY key = nullptr;
    LONG result =
        RegCreateKeyExA(HKEY_CURRENT_USER, argv[2], 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) {
        result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    if (result != ERROR_SUCCESS) std::fprintf(stderr, "wreglock: %s failed with %ld\n", argv[1], result);
    return result == ERROR_SUCCESS ? 0 : 1;
}
