#pragma once
// The fixture of windhover's core tests: a fresh machine with the program
// folder and helpers that act as the browsers and as the user.
#include <functional>
#include <string>

#include "blocker/form1.h"
#include "blocker/form3.h"
#include "blocker/shared_state.h"
#include "tests/support/sim_test.h"

class BlockerTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        m().files.addFolder(Folder());
        m().registry.setString(platform::reg::kCurrentUser, SettingsPath("Windhover"), "showHelp", "0");
    }

    static std::string Folder() { return sim::M().files.programFolder; }
    static std::string PathOf(const std::string& name) { return Folder() + "\\" + name; }
    std::string FileText(const std::string& name) {
        const sim::File* file = m().files.file(PathOf(name));
        return file ? file->contents : "<missing>";
    }

    windhover::Form1& main() { return forms::The<windhover::Form1>(); }
    windhover::Form3& prompt() { return forms::The<windhover::Form3>(); }

    // The decision's switches on the main window.
    void Switches(int blocking, int setupMode = 0, int sound = 0, int links = 0) {
        main().Check1.setValue(blocking);
        main().Check2.setValue(setupMode);
        main().Check5.setValue(sound);
        main().Check6.setValue(links);
    }

    // A shell window showing the address, its events delivered.
    int OpenWindow(const std::string& address) {
        const int id = m().browsers.open(address);
        sim::Pump();
        return id;
    }
};
