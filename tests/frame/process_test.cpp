// The simulated process: a restart on the same machine, windows as records
// with a procedure chain, messages as values, and the form's design taken
// when it is constructed.
#include "frame/mod_skin.h"
#include "frame/mod_taskbar.h"
#include "frame/product_info.h"
#include "frame/frame_program.h"
#include "platform/messages.h"
#include "platform/registry.h"
#include "tests/frame/stub_program.h"
#include "tests/support/sim_test.h"

namespace {

struct Panel : forms::Form {
    Panel() : Form("Panel") {
        design("Design caption", 4800, 3600);
        onTrayMouseMove = [this](int, int, float x, float) { mouseX.push_back(x); };
    }
    forms::Label title{*this, "title", {.caption = "Title", .bounds = {120, 120, 2000, 285}, .fontBold = true}};
    forms::Timer clock{*this, "clock", {.interval = 250, .enabled = false}};
    std::vector<float> mouseX;
};

struct NoSkin : modSkin::SkinControlObject {
    std::uint32_t Color(int) override { return 0; }
    void ApplyToWindow(platform::Handle) override {}
};

class ProcessTest : public StubProgramTest {
protected:
    Panel& panel() { return forms::The<Panel>(); }
};

TEST_F(ProcessTest, ANewProcessKeepsTheMachineAndStartsEveryGlobalAfresh) {
    m().registry.setString(platform::reg::kCurrentUser, "Software\\Quillmere", "kept", "yes");
    m().files.addFile("C:\\kept.txt", "kept");
    m().ownVersion.productName = "Nightjar";
    // The first process changes every module global there is.
    modProductInfo::LoadProductInfo();
    WebsiteMode = WebsitePage::HomePage;
    static NoSkin skin;
    modSkin::SkinControl = &skin;
    modSkin::CreateSkinGlobal = [] { return std::unique_ptr<modSkin::SkinGlobalObject>(); };
    panel().Show();
    panel().setCaption("Run time");
    modTaskbar::AddTrayIcon(panel(), 7, 7, "tip");
    skinApplications = 3;
    forms::The<StubMain>().Show();
    const Panel* first = &panel();

    sim::NewProcess();

    EXPECT_EQ(StoredString(platform::reg::kCurrentUser, "Software\\Quillmere", "kept"), std::string("yes\0", 4));
    ASSERT_TRUE(m().files.file("C:\\kept.txt"));
    EXPECT_EQ(m().ownVersion.productName, "Nightjar");
    EXPECT_EQ(ProductInfo.ProductName, "");
    EXPECT_EQ(WebsiteMode, WebsitePage::None);
    EXPECT_EQ(modSkin::SkinControl, nullptr);
    EXPECT_EQ(modSkin::SkinGlobal, nullptr);
    EXPECT_FALSE(modSkin::EnsureSkinGlobal()) << "the library is missing again";
    EXPECT_EQ(modTaskbar::Record().hWnd, 0u);
    EXPECT_EQ(modTaskbar::Record().szTip[0], '\0');
    EXPECT_EQ(skinApplications, 0);
    EXPECT_TRUE(m().trayIcons.empty()) << "the icons went with their windows";
    EXPECT_TRUE(p().windows.empty());
    EXPECT_FALSE(p().ended);
    EXPECT_EQ(forms::The<StubMain>().loads, 0) << "a new instance of every form";
    EXPECT_FALSE(panel().loaded());
    EXPECT_EQ(panel().caption(), "Design caption");
    (void)first;
}

TEST_F(ProcessTest, KeysAProcessLeftOpenAreNotedWhenItEnds) {
    platform::reg::Key key = 0;
    ASSERT_EQ(platform::reg::CreateKey(platform::reg::kCurrentUser, "Software\\Leaky", &key), 0);
    sim::NewProcess();
    EXPECT_EQ(m().leakedKeys, std::vector<std::string>{"HKCU\\Software\\Leaky"});
    EXPECT_TRUE(sim::OpenKeys().empty());
    m().leakedKeys.clear();  // seen; the fixture checks the rest
}

TEST_F(ProcessTest, TheDesignIsTakenWhenTheFormIsConstructed) {
    panel().setCaption("Written before the first show");
    panel().title.setCaption("Changed");
    panel().Show();
    EXPECT_EQ(panel().caption(), "Written before the first show");
    panel().Unload();
    EXPECT_EQ(panel().caption(), "Design caption");
    EXPECT_EQ(panel().title.caption(), "Title");
    EXPECT_TRUE(panel().title.fontBold());
    EXPECT_EQ(panel().title.bounds().width, 2000);
    EXPECT_FALSE(panel().clock.timerEnabled());
    EXPECT_EQ(panel().clock.interval(), 250);
}

TEST_F(ProcessTest, WindowsAreRecordsOfTheirFormAndControls) {
    panel().Show();
    const sim::Window* form = sim::FindWindow(panel().hwnd());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->form, &panel());
    EXPECT_TRUE(form->visible);
    const sim::Window* title = sim::FindWindow(panel().title.hwnd());
    ASSERT_TRUE(title);
    EXPECT_EQ(title->control, &panel().title);
    EXPECT_EQ(title->parent, panel().hwnd());
    EXPECT_EQ(panel().clock.hwnd(), 0u) << "a timer has no window";
    panel().title.setVisible(false);
    EXPECT_FALSE(sim::FindWindow(panel().title.hwnd())->visible);
    const platform::Handle windows[] = {panel().hwnd(), panel().title.hwnd()};
    panel().Unload();
    for (platform::Handle window : windows) EXPECT_FALSE(sim::FindWindow(window));
}

TEST_F(ProcessTest, AProcedureAddedToTheChainSeesMessagesFirstAndPassesThemOn) {
    panel().Show();
    modTaskbar::AddTrayIcon(panel(), 7, 7, "tip");
    sim::Pump();  // the activation the show posted
    std::vector<std::uint32_t> seen;
    sim::FindWindow(panel().hwnd())->procedures.push_back([&](const sim::Message& message) {
        seen.push_back(message.message);
        if (message.message == platform::msg::kHotKey) return std::intptr_t{0};  // kept for itself
        return sim::CallNext(message);
    });
    sim::HotKey(panel().hwnd(), 0);
    sim::TrayMouse(panel().hwnd(), 7, platform::msg::kLButtonDown);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{platform::msg::kHotKey, platform::msg::kTrayCallback}));
    EXPECT_EQ(panel().mouseX, std::vector<float>{0x201 * 15.0f}) << "the tray's callback reached the form";
    ASSERT_GE(p().delivered.size(), 2u);
    const sim::Message& hotKey = p().delivered[p().delivered.size() - 2];
    EXPECT_EQ(hotKey.window, panel().hwnd());
    EXPECT_EQ(hotKey.message, platform::msg::kHotKey);
}

TEST_F(ProcessTest, TheJournalKeepsThePlatformCallsInOrder) {
    panel().Show();
    modTaskbar::AddTrayIcon(panel(), 7, 7, "tip");
    platform::reg::Key key = 0;
    platform::reg::CreateKey(platform::reg::kCurrentUser, "Software\\Quillmere", &key);
    platform::reg::SetValue(key, "v", platform::reg::kSz, "1", 2);
    platform::reg::CloseKey(key);
    modTaskbar::RemoveTrayIcon(7);
    ASSERT_EQ(m().journal.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<sim::TrayCall>(m().journal[0]));
    const auto writes = sim::Journal<sim::RegistryWrite>();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].op, sim::RegistryWrite::CreateKey);
    EXPECT_EQ(writes[0].key, "HKCU\\Software\\Quillmere");
    EXPECT_EQ(writes[1].op, sim::RegistryWrite::SetValue);
    EXPECT_EQ(writes[1].key, "HKCU\\Software\\Quillmere");
    EXPECT_EQ(writes[1].name, "v");
    EXPECT_EQ(writes[1].data, std::string("1\0", 2));
    EXPECT_EQ(std::get<sim::TrayCall>(m().journal[3]).message, platform::shell::kNimDelete);
}

}  // namespace
