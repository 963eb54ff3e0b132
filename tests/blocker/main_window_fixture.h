#pragma once
// The fixture of windhover's main-window tests: a machine with the program,
// started as the user starts it (splash, then the main window), and the
// stored settings and list files read back.
#include <string>

#include "blocker/form1.h"
#include "blocker/shared_state.h"
#include "frame/form8.h"
#include "platform/program.h"
#include "tests/support/sim_test.h"

class MainWindowTest : public SimTest {
public:
    void SetUp() override {
        SimTest::SetUp();
        m().ownVersion = {"Windhover", "Quillmere", "www.quillmere.example", 2, 1, 0};
        m().os = platform::version::OsVersionInfo{};
        m().os->platformId = platform::version::kPlatformWin32Nt;
        m().os->majorVersion = 5;
        m().os->minorVersion = 1;
        m().files.addFile(PathOf("Help.rtf"), "{\\rtf1 help\\par}");
    }

    // The program's start: the splash, then the main window once its
    // countdown has run.
    void Start() {
        sim::AsUser([] { platform::ProgramMain(); });
        sim::Advance(75 * 10);
    }
    // The program ends, and starts again on the same machine.
    void Restart() {
        sim::NewProcess();
        Start();
    }
    void Exit() {
        sim::AsUser([&] { main().mnuFileItem1.userClick(); });
    }

    windhover::Form1& main() { return forms::The<windhover::Form1>(); }
    Form8& help() { return forms::The<Form8>(); }

    static std::string PathOf(const std::string& name) { return sim::M().files.programFolder + "\\" + name; }
    std::string FileText(const std::string& name) {
        const sim::File* file = m().files.file(PathOf(name));
        return file ? file->contents : "<missing>";
    }
    // A setting of windhover as stored, without its NUL; "<none>" when missing.
    std::string Stored(const std::string& key) {
        std::string value = StoredSetting("Windhover", key);
        if (!value.empty() && value.back() == '\0') value.pop_back();
        return value;
    }
    void Stage(const std::string& key, const std::string& value) {
        m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), key, value);
    }
    std::string Panel(int index) { return main().StatusBar1.panel(index).text; }
    // The notification-area icon's mouse message, as the shell calls back.
    void TrayMouse(std::uint32_t mouseMessage) {
        sim::TrayMouse(main().hwnd(), static_cast<std::uint32_t>(main().picTrayIcon), mouseMessage);
    }
};
