// windhover's toolbar-button routines, nightjar's address lookup and hidden
// start, and both programs' splash picture, run against the real system: the
// values the button leaves in the registry, what the registry routines
// answer, the address the system's table gives, a program started with its
// window hidden and the picture as the system loads it. Rows as in
// wcontract.exe: "ok"/"FAIL" lines and a closing "N passed, M failed"; exit
// status 1 when a row failed.
//
// It works under the button's own key in HKEY_LOCAL_MACHINE, in
// HKCU\Software\Quillmere-modules and in a "modules" folder in its own
// folder, and removes all three before and after.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "blocker/c_register.h"
#include "blocker/mod_ie_tools.h"
#include "frame/product_info.h"
#include "platform/files.h"
#include "platform/network.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/win32/registry_key.h"
#include "svcstop/mod_ip.h"
#include "svcstop/net_send.h"
#include "tests/contract/contract_check.h"
#include "tests/contract/contract_stage.h"

namespace {

using contract::Row;
using contract::Section;
namespace reg = platform::reg;
namespace net = platform::net;
using namespace windhover;

const std::string kScratchKey = "Software\\Quillmere-modules";

// The value as stored, its NUL included; "<no key>", "<none>" or "<type N>" otherwise.
std::string Stored(reg::Key root, const std::string& path, const std::string& name) {
    reg::Key key = 0;
    if (reg::OpenKeyEx(root, path, reg::kQueryValue, &key) != 0) return "<no key>";
    std::uint32_t type = 0, size = 0;
    std::string text = "<none>";
    if (reg::QueryValue(key, name, &type, nullptr, &size) == 0) {
        text.assign(size, '#');
        if (reg::QueryValue(key, name, &type, text.data(), &size) != 0) text = "<not read>";
        if (type != reg::kSz) text = "<type " + std::to_string(type) + ">";
    }
    reg::CloseKey(key);
    return text;
}

// How many values the key holds; -1 when it cannot be opened.
long ValueCount(reg::Key root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(platform::win32::NativeKey(root), path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return -1;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return static_cast<long>(values);
}

std::string ModulePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

void ToolbarButton() {
    Section("toolbar button");
    ProductInfo.ProductName = "Windhover";
    const std::string folder = platform::files::ProgramFolder();
    const std::string key = modIETools::kButtonKey;
    const struct {
        const char* name;
        std::string data;
    } values[] = {
        {"ButtonText", "Windhover"},
        {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},
        {"Exec", ModulePath()},
        {"HotIcon", folder + "\\hoticon.ico"},
        {"Icon", folder + "\\icon.ico"},
        {"MenuStatusBar", "Windhover"},
        {"MenuText", "&Windhover"},
    };
    for (int pass = 1; pass <= 2; ++pass) {
        modIETools::AddIEButton();
        const std::string row = pass == 1 ? "AddIEButton stores " : "AddIEButton again stores ";
        for (const auto& v : values) Row(row + v.name, Stored(reg::kLocalMachine, key, v.name), v.data + '\0');
        Row(row + "eight values, no more", ValueCount(reg::kLocalMachine, key), 8L);
    }
    modIETools::CheckIEButton();
    Row("CheckIEButton leaves the eight values", ValueCount(reg::kLocalMachine, key), 8L);
    Row("... as they were", Stored(reg::kLocalMachine, key, "MenuText"), std::string("&Windhover\0", 11));
    modIETools::RemoveIEButton();
    Row("RemoveIEButton deletes the key", ValueCount(reg::kLocalMachine, key), -1L);
    modIETools::RemoveIEButton();
    Row("RemoveIEButton without a button leaves the other extensions",
        ValueCount(reg::kLocalMachine, "Software\\Microsoft\\Internet Explorer\\Extensions") >= 0, true);
}

void RegistryRoutines() {
    Section("registry routines");
    const reg::Key user = reg::kCurrentUser;
    const std::string path = kScratchKey + "\\Values";
    Row("WriteRegistry through a slashed path", CRegister::WriteRegistry(user, "\\" + path + "\\", "name", "text"),
        true);
    Row("... stores the text with its NUL", Stored(user, path, "name"), std::string("text\0", 5));
    Row("WriteRegistry of the unnamed value", CRegister::WriteRegistry(user, path, "*", "unnamed"), true);
    Row("... stores it unnamed", Stored(user, path, ""), std::string("unnamed\0", 8));

    reg::Key key = 0;
    reg::CreateKey(user, path, &key);
    reg::SetValue(key, "noNul", reg::kSz, "textX", 4);
    reg::SetValue(key, "emptySz", reg::kSz, "", 0);
    reg::CloseKey(key);
    const struct {
        const char* name;
        std::string expected;
    } reads[] = {
        {"name", "text"}, {"*", "unnamed"}, {"noNul", "text"}, {"emptySz", "dflt"}, {"missing", "dflt"},
    };
    for (const auto& c : reads)
        Row(std::string("ReadRegistry of ") + c.name, CRegister::ReadRegistry(user, path, c.name, "dflt"), c.expected);
    Row("ReadRegistry in a missing key", CRegister::ReadRegistry(user, path + "\\Missing", "name", "dflt"),
        std::string("dflt"));

    Row("DeleteRegistry of a value", CRegister::DeleteRegistry(user, path, "name"), true);
    Row("... removes it", Stored(user, path, "name"), std::string("<none>"));
    Row("DeleteRegistry of a missing value", CRegister::DeleteRegistry(user, path, "name"), false);
    Row("DeleteRegistry of the unnamed value", CRegister::DeleteRegistry(user, path, "*"), true);
    Row("DeleteRegistry of a key with a subkey", CRegister::DeleteRegistry(user, kScratchKey, ""), false);
    Row("DeleteRegistry of a key", CRegister::DeleteRegistry(user, path, ""), true);
    Row("... removes it", Stored(user, path, "noNul"), std::string("<no key>"));
    Row("DeleteRegistry of a missing key", CRegister::DeleteRegistry(user, path, ""), false);
}

void LocalAddress() {
    Section("local address");
    std::uint32_t size = 0;
    Row("GetIpAddrTable without a table asks for a size", net::GetIpAddrTable(nullptr, &size, true),
        static_cast<long>(platform::kErrorInsufficientBuffer));
    Row("... of a row count and at least one row", size >= net::kIpAddrRowsOffset + sizeof(net::IpAddrRow), true);
    std::vector<std::uint8_t> buffer(size, 0);
    std::uint32_t filled = size;
    Row("GetIpAddrTable fills a buffer of that size", net::GetIpAddrTable(buffer.data(), &filled, false), 0L);
    std::uint32_t count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const std::size_t rowSize = sizeof(net::IpAddrRow);
    Row("... with rows that fit in it", count >= 1 && net::kIpAddrRowsOffset + count * rowSize <= size, true);

    std::vector<std::string> texts;
    for (std::uint32_t i = 0; i < count && net::kIpAddrRowsOffset + (i + 1) * rowSize <= size; ++i) {
        net::IpAddrRow row;
        std::memcpy(&row, buffer.data() + net::kIpAddrRowsOffset + i * rowSize, rowSize);
        texts.push_back(nightjar::modIP::IpAddressToString(row));
        std::printf("     row %lu: %s\n", static_cast<unsigned long>(i), texts.back().c_str());
    }
    bool loopback = false;
    for (const std::string& text : texts) loopback = loopback || text == "127.0.0.1";
    Row("the table holds 127.0.0.1", loopback, true);

    const std::string address = nightjar::modIP::GetLocalIPAddress();
    std::printf("     GetLocalIPAddress: %s\n", address.c_str());
    bool known = false;
    for (const std::string& text : texts) known = known || text == address;
    if (texts.size() > 6)
        Row("GetLocalIPAddress of more than six rows is empty", address, std::string());
    else
        Row("GetLocalIPAddress gives one of the table's addresses", known, true);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The splash picture as each program loads it for its splash window (an
// 8-bit bitmap with its rows run-length encoded): 400x240, and the colours
// drawn at a few places, each channel within 4 of the picture as drawn.
void SplashPictures() {
    Section("the splash picture");
    // The programs' folders lie beside this program's own.
    std::string folder = platform::files::ProgramFolder();
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    const struct {
        int x, y;
        COLORREF drawn;
        const char* what;
    } places[] = {
        {5, 5, RGB(123, 181, 239), "the sky at the top"}, {200, 60, RGB(153, 191, 227), "the sky lower down"},
        {96, 100, RGB(255, 235, 150), "the sun"},         {300, 150, RGB(90, 150, 110), "the far hills"},
        {20, 200, RGB(50, 110, 70), "the near hills"},    {296, 56, RGB(45, 35, 30), "the bird"},
    };
    for (const char* program : {"Windhover\\windhover.exe", "Nightjar\\nightjar.exe"}) {
        HMODULE module = LoadLibraryExA((folder + program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        HBITMAP picture =
            module ? static_cast<HBITMAP>(LoadImageA(module, "SPLASH", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)) : nullptr;
        BITMAP size{};
        if (picture) GetObjectA(picture, sizeof size, &size);
        Row(std::string(program) + ": SPLASH loads at 400x240",
            std::to_string(size.bmWidth) + "x" + std::to_string(size.bmHeight), std::string("400x240"));
        std::vector<DWORD> pixels(400 * 240);
        BITMAPINFO format{};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), 400, -240, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        const int rows = picture ? GetDIBits(screen, picture, 0, 240, pixels.data(), &format, DIB_RGB_COLORS) : 0;
        ReleaseDC(nullptr, screen);
        for (const auto& place : places) {
            const DWORD pixel = rows == 240 ? pixels[place.y * 400 + place.x] : 0;
            const int shown[] = {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                                 static_cast<int>(pixel & 0xFF)};
            const int drawn[] = {GetRValue(place.drawn), GetGValue(place.drawn), GetBValue(place.drawn)};
            bool close = rows == 240;
            for (int i = 0; i < 3; ++i) close = close && std::abs(shown[i] - drawn[i]) <= 4;
            Row(std::string(program) + ": " + place.what + " in its colour", close, true);
        }
        if (picture) DeleteObject(picture);
        if (module) FreeLibrary(module);
    }
}

void HiddenStart() {
    Section("hidden start");
    const std::string folder = platform::files::ProgramFolder() + "\\modules";
    contract::RemoveTree(folder);
    contract::MakeFolder(folder);
    const std::string made = folder + "\\started";
    const std::string system = platform::files::SystemFolder();
    std::printf("     SystemFolder: %s\n", system.c_str());
    Row("SystemFolder names a folder that holds net.exe", Exists(system + "\\net.exe"), true);
    Row("StartHidden of cmd.exe named in full",
        platform::process::StartHidden(system + "\\cmd.exe", "cmd.exe /c mkdir \"" + made + "\""), 0L);
    // It runs on its own: wait a bounded while for what it does.
    for (int waited = 0; waited < 20000 && !Exists(made); waited += 100) Sleep(100);
    Row("... which runs and makes its folder", Exists(made), true);
    Row("StartHidden of the system's net.exe with the test message's command line",
        platform::process::StartHidden(system + "\\net.exe", nightjar::NetSendCommandLine("127.0.0.1")), 0L);
    Row("StartHidden of a missing program", platform::process::StartHidden(folder + "\\no-such-program.exe", "x"),
        static_cast<long>(platform::kErrorFileNotFound));
    contract::RemoveTree(folder);
}

}  // namespace

int main() {
    contract::RemoveKeyTree(reg::kLocalMachine, modIETools::kButtonKey);
    contract::RemoveKeyTree(reg::kCurrentUser, kScratchKey);
    ToolbarButton();
    RegistryRoutines();
    contract::RemoveKeyTree(reg::kCurrentUser, kScratchKey);
    LocalAddress();
    HiddenStart();
    SplashPictures();
    std::printf("%d passed, %d failed\n", contract::passed, contract::failed);
    return contract::failed == 0 ? 0 : 1;
}
