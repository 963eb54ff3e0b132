// Waits: DoEvents loops, message boxes and modal windows take one idle step
// on the virtual clock; a wait that nothing can end fails at once, and one
// that would run for ever fails at the time cap.
#include "platform/dialogs.h"
#include "platform/program.h"
#include "platform/sim/sim_hang.h"
#include "tests/support/sim_test.h"

namespace {

struct Waiter : forms::Form {
    Waiter() : Form("Waiter") {
        later.onTimer = [this] {
            ++ticks;
            if (ticks == ticksToSet) flag = true;
        };
    }
    forms::Timer later{*this, "later", {.interval = 500}};
    forms::CommandButton wait{*this, "wait"};
    bool flag = false;
    int ticks = 0;
    int ticksToSet = 1;
};

class WaitTest : public SimTest {
protected:
    Waiter& w() { return forms::The<Waiter>(); }
    // The handler of `wait` loops on DoEvents until the flag is set.
    void WaitForFlag() {
        w().wait.onClick = [this] {
            while (!w().flag) platform::DoEvents();
        };
    }
    // Clicks `wait` and returns what the hang it ends in says.
    std::string HangOfWait() {
        try {
            sim::AsUser([&] { w().wait.userClick(); });
        } catch (const sim::Hang& hang) {
            return hang.what;
        }
        ADD_FAILURE() << "the wait ended";
        return "";
    }
};

TEST_F(WaitTest, ADoEventsLoopOnATimersFlagEndsAtTheTimersTime) {
    w().Show();
    WaitForFlag();
    sim::AsUser([&] { w().wait.userClick(); });
    EXPECT_TRUE(w().flag);
    EXPECT_EQ(m().now, 500u);
    EXPECT_EQ(w().ticks, 1);
    EXPECT_TRUE(p().messageBoxes.empty());
}

TEST_F(WaitTest, ADoEventsLoopOnAFlagNothingSetsFailsAtOnceNamingTheWait) {
    w().later.setTimerEnabled(false);
    w().Show();
    WaitForFlag();
    const std::string hang = HangOfWait();
    EXPECT_NE(hang.find("DoEvents"), std::string::npos) << hang;
    EXPECT_EQ(hang.find("ten minutes"), std::string::npos) << "not by running out of time: " << hang;
    EXPECT_EQ(m().now, 0u) << "no time passed";
}

TEST_F(WaitTest, ATimerThatNeverEndsTheWaitStopsAtTheTimeCap) {
    w().ticksToSet = -1;
    w().Show();
    WaitForFlag();
    const std::string hang = HangOfWait();
    EXPECT_NE(hang.find("ten minutes"), std::string::npos) << hang;
    EXPECT_LE(m().now, sim::kTimeCap);
    EXPECT_GE(m().now + 500, sim::kTimeCap);
}

TEST_F(WaitTest, AWaitBoundedByTheClockEndsWhenTheTimeIsUp) {
    w().later.setTimerEnabled(false);
    w().Show();
    std::uint32_t waited = 0;
    w().wait.onClick = [&] {
        const std::uint32_t start = platform::TickCount();
        while (platform::TickCount() - start < 300) platform::DoEvents();
        waited = platform::TickCount() - start;
    };
    sim::AsUser([&] { w().wait.userClick(); });
    EXPECT_GE(waited, 300u);
    EXPECT_LT(waited, 300u + sim::kIdleWaitMs * 2);
}

TEST_F(WaitTest, OneDoEventsWithNothingToDoReturns) {
    w().later.setTimerEnabled(false);
    w().Show();
    int pumped = 0;
    w().wait.onClick = [&] {
        platform::DoEvents();
        ++pumped;
    };
    for (int i = 0; i < 3; ++i) sim::AsUser([&] { w().wait.userClick(); });
    EXPECT_EQ(pumped, 3);
}

TEST_F(WaitTest, ADoEventsLoopRunsTheUsersNextActionWhenNothingElseIsLeft) {
    w().later.setTimerEnabled(false);
    w().Show();
    WaitForFlag();
    p().userActions.push_back([&] { w().flag = true; });
    sim::AsUser([&] { w().wait.userClick(); });
    EXPECT_TRUE(w().flag);
    EXPECT_TRUE(p().userActions.empty());
}

TEST_F(WaitTest, TimersTickWhileAMessageBoxWaitsForItsAnswer) {
    w().Show();
    w().ticksToSet = -1;
    p().answers = {sim::Answer(platform::kIdNo, 1200)};
    int answer = 0;
    w().wait.onClick = [&] { answer = platform::MessageBox("Stop?", platform::kMbYesNo); };
    sim::AsUser([&] { w().wait.userClick(); });
    EXPECT_EQ(answer, platform::kIdNo);
    EXPECT_EQ(w().ticks, 2) << "ticks at 500 and 1000 while the box is open";
    EXPECT_EQ(m().now, 1200u);
}

TEST_F(WaitTest, TheClockIsTheTickCountOfTheMachineAcrossProcesses) {
    sim::Advance(1234);
    EXPECT_EQ(platform::TickCount(), 1234u);
    sim::NewProcess();
    EXPECT_EQ(platform::TickCount(), 1234u) << "the machine keeps running";
}

}  // namespace
