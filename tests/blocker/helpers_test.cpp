// The window icon and topmost helpers.
#include "blocker/cls_on_top.h"
#include "blocker/mod_icon.h"
#include "platform/window.h"
#include "tests/blocker/blocker_fixture.h"

namespace {

using namespace windhover;
namespace w = platform::window;

TEST_F(BlockerTest, SetIconSendsLargeThenSmallToTheTopOwnerFirst) {
    const platform::Handle window = 0x500, owner = 0x600, top = 0x700;
    const platform::Handle big = sim::SharedIcon("AAA", 32), small = sim::SharedIcon("AAA", 16);
    ASSERT_NE(big, 0u);
    using Sent = std::vector<std::pair<platform::Handle, std::uintptr_t>>;
    const struct {
        bool owned;
        bool setOnOwner;
        Sent sent;
    } cases[] = {
        {true, false, {{window, w::kIconBig}, {window, w::kIconSmall}}},
        {true, true, {{top, w::kIconBig}, {window, w::kIconBig}, {top, w::kIconSmall}, {window, w::kIconSmall}}},
        {false, true, {{window, w::kIconBig}, {window, w::kIconBig}, {window, w::kIconSmall}, {window, w::kIconSmall}}},
    };
    for (const auto& c : cases) {
        m().windowMessages = {};
        if (c.owned) m().windowMessages.owners = {{window, owner}, {owner, top}};
        modIcon::SetIcon(window, "AAA", c.setOnOwner);
        Sent sent;
        for (const auto& message : m().windowMessages.sent) {
            EXPECT_EQ(message.message, w::kWmSetIcon);
            EXPECT_EQ(static_cast<platform::Handle>(message.lParam), message.wParam == w::kIconBig ? big : small);
            sent.emplace_back(message.window, message.wParam);
        }
        EXPECT_EQ(sent, c.sent) << c.owned << c.setOnOwner;
    }
}

TEST_F(BlockerTest, AMissingIconResourceSendsNullHandles) {
    modIcon::SetIcon(0x500, "NOSUCH", false);
    ASSERT_EQ(m().windowMessages.sent.size(), 2u);
    for (const auto& message : m().windowMessages.sent) EXPECT_EQ(message.lParam, 0);
}

TEST_F(BlockerTest, OnTopMovesAWindowBetweenTheBandsOnly) {
    main().Load();
    m().setWindowPosCalls.clear();
    clsOnTop onTop;
    const platform::Handle window = main().hwnd();
    onTop.MakeTopMost(window);
    EXPECT_TRUE(m().topmost.count(window));
    onTop.MakeNormal(window);
    EXPECT_FALSE(m().topmost.count(window));
    ASSERT_EQ(m().setWindowPosCalls.size(), 2u);
    EXPECT_EQ(m().setWindowPosCalls[0].insertAfter, w::kHwndTopmost);
    EXPECT_EQ(m().setWindowPosCalls[1].insertAfter, w::kHwndNoTopmost);
    for (const auto& call : m().setWindowPosCalls) EXPECT_EQ(call.flags, w::kSwpNoMove | w::kSwpNoSize);
}

}  // namespace
