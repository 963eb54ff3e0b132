#pragma once
// The fixture of every host test: a fresh simulated machine and process, and
// at the end a check that every registry key the code opened was closed
// again, by this process and by any the test ended with sim::NewProcess().
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "platform/forms/form.h"
#include "platform/sim/sim.h"

class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One row of a table test, on a machine of its own: the fixture's SetUp
    // before it and TearDown after it, so that the row is checked for leaks as
    // a whole test is, and every failure in it, the leak check's included,
    // names the row.
    void FreshRow(const std::string& name, const std::function<void()>& row);

    sim::Machine& m() { return sim::M(); }
    sim::Process& p() { return sim::P(); }

    // The text of a REG_SZ value as stored, its NUL included; "<none>" when missing.
    std::string StoredString(platform::reg::Key root, const std::string& path, const std::string& name);
    // A per-user setting of the program as stored.
    std::string StoredSetting(const std::string& application, const std::string& key);
    static std::string SettingsPath(const std::string& application);
    // Whether the window stands in the topmost band.
    static bool Topmost(platform::Handle window);
    static std::vector<sim::ShellExecuteCall> ShellExecutes() { return sim::Journal<sim::ShellExecuteCall>(); }
    // The number of the platform::Error the action raises; 0 when it raises none.
    static long ErrorNumber(const std::function<void()>& action);
    // Each control of the form named in `tips` carries that tool tip, every
    // other control none; each name is one of the form's controls.
    static void ExpectToolTips(const forms::Form& form, const std::map<std::string, std::string>& tips);
};
