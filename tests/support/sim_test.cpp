#include "tests/support/sim_test.h"

#include "platform/error.h"
#include "platform/sim/services.h"

void SimTest::SetUp() { sim::Reset(); }

void SimTest::TearDown() {
    std::string list;
    for (const auto& [handle, path] : sim::OpenKeys()) list += " " + path;
    for (const std::string& path : m().leakedKeys) list += " " + path + " (an ended process)";
    EXPECT_TRUE(list.empty()) << "registry keys left open:" << list;
    std::string services;
    for (const std::string& name : sim::Services().openHandles()) services += " " + name;
    EXPECT_TRUE(services.empty()) << "service handles left open:" << services;
    sim::Reset();
}

void SimTest::FreshRow(const std::string& name, const std::function<void()>& row) {
    SCOPED_TRACE(name);
    SetUp();
    row();
    TearDown();
}

std::string SimTest::StoredString(platform::reg::Key root, const std::string& path, const std::string& name) {
    auto value = m().registry.value(root, path, name);
    if (!value) return "<none>";
    if (value->type != platform::reg::kSz) return "<type " + std::to_string(value->type) + ">";
    return value->data;
}

std::string SimTest::SettingsPath(const std::string& application) {
    return "Software\\VB and VBA Program Settings\\" + application + "\\Settings";
}

std::string SimTest::StoredSetting(const std::string& application, const std::string& key) {
    return StoredString(platform::reg::kCurrentUser, SettingsPath(application), key);
}

bool SimTest::Topmost(platform::Handle window) {
    const sim::Window* record = sim::FindWindow(window);
    return record && record->topmost;
}

long SimTest::ErrorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::Error& e) {
        return e.number();
    }
    return 0;
}

void SimTest::ExpectToolTips(const forms::Form& form, const std::map<std::string, std::string>& tips) {
    std::map<std::string, std::string> unseen = tips;
    for (const forms::Control* control : form.controls()) {
        auto tip = tips.find(control->name());
        EXPECT_EQ(control->toolTip(), tip == tips.end() ? "" : tip->second) << form.name() << "." << control->name();
        unseen.erase(control->name());
    }
    for (const auto& [name, tip] : unseen) ADD_FAILURE() << form.name() << " has no control " << name;
}
