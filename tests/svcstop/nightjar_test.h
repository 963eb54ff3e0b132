#pragma once
// The fixture of nightjar's window tests: a Windows XP machine with the
// program and its help file, a running Messenger service in a shared
// process, and the program started through its splash when the test says.
#include "platform/program.h"
#include "platform/sim/process_starts.h"
#include "svcstop/frm_main.h"
#include "svcstop/frm_sc_msg_box.h"
#include "tests/svcstop/service_test.h"

class NightjarTest : public ServiceTest {
protected:
    static constexpr const char* kMachineSettings = "SOFTWARE\\Quillmere\\duskwing\\Settings";
    static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    void SetUp() override {
        ServiceTest::SetUp();
        m().files.executableName = "nightjar";
        m().files.addFile(m().files.programFolder + "\\Help.rtf", "{\\rtf1 help\\par}");
        m().os = Os(5, 1, 2600, 2, "Service Pack 3");
        auto& service = scm().add("Messenger", "Messenger");
        service.status = {platform::svc::kShareProcess, platform::svc::kRunning,
                          platform::svc::kAcceptStop | platform::svc::kAcceptPauseContinue};
        service.startType = platform::svc::kAutoStart;
    }

    static platform::version::OsVersionInfo Os(std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                                               std::uint32_t platformId, const char* csd = "") {
        platform::version::OsVersionInfo info;
        info.majorVersion = major;
        info.minorVersion = minor;
        info.buildNumber = build;
        info.platformId = platformId;
        std::snprintf(info.csdVersion, sizeof info.csdVersion, "%s", csd);
        return info;
    }

    // The program from its splash to its main window's first activation.
    void Start() {
        sim::AsUser([] { platform::ProgramMain(); });
        sim::Advance(75 * 10);
    }
    // As the user: an action on the running program, which may end it.
    static void User(const std::function<void()>& action) { sim::AsUser(action); }

    nightjar::frmMain& main() { return forms::The<nightjar::frmMain>(); }
    sim::SimService& messenger() { return *scm().find("Messenger"); }
    std::uint32_t State(const std::string& name) { return scm().find(name)->status.currentState; }

    void SetMachineSetting(const std::string& key, const std::string& value) {
        m().registry.setString(platform::reg::kLocalMachine, kMachineSettings, key, value);
    }
    std::string MachineSetting(const std::string& key) {
        return StoredString(platform::reg::kLocalMachine, kMachineSettings, key);
    }
    // The requests sent to the manager, as "Name:request".
    std::vector<std::string> Requests() {
        static const char* const kNames[] = {"start", "stop", "pause", "continue"};
        std::vector<std::string> sent;
        for (const auto& [name, request] : scm().requests) sent.push_back(name + ":" + kNames[request]);
        return sent;
    }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& shown : p().messageBoxes) texts.push_back(shown.text);
        return texts;
    }
    // How many times the wait box was shown: each load makes it topmost.
    static std::size_t WaitBoxes() { return sim::Journal<sim::SetWindowPosCall>().size(); }
};

// Started on the staged machine.
class StartedTest : public NightjarTest {
protected:
    void SetUp() override {
        NightjarTest::SetUp();
        Start();
        ASSERT_TRUE(main().visible());
    }
};
