#include "tests/support/sim_test.h"

#include "frame/mod_skin.h"
#include "frame/product_info.h"
#include "frame/program_windows.h"
#include "platform/sim/services.h"

void SimTest::SetUp() {
    sim::Reset();
    ProductInfo = ProductInfoRecord{};
    WebsiteMode.clear();
    modSkin::SkinGlobal.reset();
    modSkin::SkinControl = nullptr;
}

void SimTest::TearDown() {
    forms::DestroyAllForms();
    const auto open = m().registry.openHandles();
    std::string list;
    for (const auto& [handle, path] : open) list += " " + path;
    EXPECT_TRUE(open.empty()) << "registry keys left open:" << list;
    std::string services;
    for (const std::string& name : sim::Services().openHandles()) services += " " + name;
    EXPECT_TRUE(services.empty()) << "service handles left open:" << services;
    modSkin::SkinGlobal.reset();
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
