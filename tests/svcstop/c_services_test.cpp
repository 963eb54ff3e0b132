// The service record's views: each true when all bits of its constant are set.
#include <gtest/gtest.h>

#include "svcstop/c_services.h"

namespace {

using nightjar::CServices;

TEST(CServices, StateViewsTestAllBitsOfTheirConstant) {
    // Running, StartPending, ContinuePending, Paused, PausePausing, Stopped, StopPending
    const bool table[8][7] = {
        {0, 0, 0, 0, 0, 0, 0},  // 0: a new record
        {0, 0, 0, 0, 0, 1, 0},  // 1 stopped
        {0, 1, 0, 0, 0, 0, 0},  // 2 start pending
        {0, 1, 0, 0, 0, 1, 1},  // 3 stop pending
        {1, 0, 0, 0, 0, 0, 0},  // 4 running
        {1, 0, 1, 0, 0, 1, 0},  // 5 continue pending
        {1, 1, 0, 0, 1, 0, 0},  // 6 pause pending
        {1, 1, 1, 1, 1, 1, 1},  // 7 paused
    };
    for (int state = 0; state < 8; ++state) {
        CServices record;
        record.CurrentStatus = state;
        const bool views[7] = {record.Running(),      record.StartPending(), record.ContinuePending(), record.Paused(),
                               record.PausePausing(), record.Stopped(),      record.StopPending()};
        for (int view = 0; view < 7; ++view)
            EXPECT_EQ(views[view], table[state][view]) << "state " << state << ", view " << view;
    }
}

TEST(CServices, ControlViews) {
    // ControlsAccepted -> AcceptStop, AcceptPause, AcceptShutDown
    const struct {
        int accepted;
        bool stop, pause, shutdown;
    } rows[] = {{0, false, false, false}, {5, true, false, true}, {2, false, true, false}, {7, true, true, true}};
    for (const auto& row : rows) {
        CServices record;
        record.ControlsAccepted = row.accepted;
        EXPECT_EQ(record.AcceptStop(), row.stop) << row.accepted;
        EXPECT_EQ(record.AcceptPause(), row.pause) << row.accepted;
        EXPECT_EQ(record.AcceptShutDown(), row.shutdown) << row.accepted;
    }
}

TEST(ServiceCollection, KeysByUpperCaseNameInAddingOrder) {
    nightjar::ServiceCollection services;
    for (const char* name : {"Messenger", "alerter"}) {
        auto record = std::make_unique<CServices>();
        record->ServiceName = name;
        services.Add(std::move(record));
    }
    ASSERT_NE(services.Item("ALERTER"), nullptr);
    EXPECT_EQ(services.Item("messenger")->ServiceName, "Messenger");
    EXPECT_EQ(services.Item("Nobody"), nullptr);
    EXPECT_EQ((*services.begin())->ServiceName, "Messenger");
}

}  // namespace
