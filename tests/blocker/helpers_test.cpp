// The window icon and topmost helpers.
#include "blocker/cls_on_top.h"
#include "blocker/mod_icon.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;
namespace w = platform::window;

// Three windows, each owned by the next when `owned`: the icon messages they receive.
class SetIconTest : public BlockerTest {
protected:
    platform::Handle Window(platform::Handle owner = 0) {
        sim::Window record;
        record.owner = owner;
        record.procedures.push_back([](const sim::Message&) -> std::intptr_t { return 0; });
        return sim::CreateWindowRecord(std::move(record));
    }
    // The WM_SETICON messages delivered, as (window, which icon), their handles checked.
    std::vector<std::pair<platform::Handle, std::uintptr_t>> IconsSent(platform::Handle big, platform::Handle small) {
        std::vector<std::pair<platform::Handle, std::uintptr_t>> sent;
        for (const auto& message : p().delivered) {
            EXPECT_EQ(message.message, platform::msg::kSetIcon);
            EXPECT_EQ(static_cast<platform::Handle>(message.lParam), message.wParam == w::kIconBig ? big : small);
            sent.emplace_back(message.window, message.wParam);
        }
        return sent;
    }
};

TEST_F(SetIconTest, SendsLargeThenSmallToTheTopOwnerFirst) {
    const platform::Handle big = sim::SharedIcon("AAA", 32), small = sim::SharedIcon("AAA", 16);
    ASSERT_NE(big, 0u);
    using Sent = std::vector<std::pair<platform::Handle, std::uintptr_t>>;
    const struct {
        bool owned;
        bool setOnOwner;
    } cases[] = {{true, false}, {true, true}, {false, true}};
    for (const auto& c : cases) {
        const platform::Handle top = Window(), owner = Window(c.owned ? top : 0), window = Window(c.owned ? owner : 0);
        const Sent expected =
            !c.setOnOwner ? Sent{{window, w::kIconBig}, {window, w::kIconSmall}}
            : c.owned
                ? Sent{{top, w::kIconBig}, {window, w::kIconBig}, {top, w::kIconSmall}, {window, w::kIconSmall}}
                : Sent{{window, w::kIconBig}, {window, w::kIconBig}, {window, w::kIconSmall}, {window, w::kIconSmall}};
        p().delivered.clear();
        modIcon::SetIcon(window, "AAA", c.setOnOwner);
        EXPECT_EQ(IconsSent(big, small), expected) << c.owned << c.setOnOwner;
    }
}

TEST_F(SetIconTest, AMissingIconResourceSendsNullHandles) {
    const platform::Handle window = Window();
    modIcon::SetIcon(window, "NOSUCH", false);
    ASSERT_EQ(p().delivered.size(), 2u);
    for (const auto& message : p().delivered) EXPECT_EQ(message.lParam, 0);
}

TEST_F(BlockerTest, OnTopMovesAWindowBetweenTheBandsOnly) {
    main().Load();
    m().journal.clear();
    clsOnTop onTop;
    const platform::Handle window = main().hwnd();
    onTop.MakeTopMost(window);
    EXPECT_TRUE(Topmost(window));
    onTop.MakeNormal(window);
    EXPECT_FALSE(Topmost(window));
    ASSERT_EQ(sim::Journal<sim::SetWindowPosCall>().size(), 2u);
    EXPECT_EQ(sim::Journal<sim::SetWindowPosCall>()[0].insertAfter, w::kHwndTopmost);
    EXPECT_EQ(sim::Journal<sim::SetWindowPosCall>()[1].insertAfter, w::kHwndNoTopmost);
    for (const auto& call : sim::Journal<sim::SetWindowPosCall>()) EXPECT_EQ(call.flags, w::kSwpNoMove | w::kSwpNoSize);
}

}  // namespace
