// The local address for the test message, from the simulated address table,
// and the test message's command line.
#include <cstring>
#include <vector>

#include "platform/process.h"
#include "platform/sim/network.h"
#include "platform/sim/process_starts.h"
#include "svcstop/mod_ip.h"
#include "svcstop/net_send.h"
#include "tests/support/sim_test.h"

namespace {

using namespace nightjar;

std::vector<sim::IpAddress> Addresses(const std::vector<const char*>& dotted) {
    std::vector<sim::IpAddress> addresses;
    for (const char* text : dotted) addresses.push_back(sim::Address(text));
    return addresses;
}

TEST(IpAddressToString, WritesTheFourBytesInMemoryOrder) {
    const struct {
        std::uint8_t bytes[4];
        const char* expected;
    } cases[] = {
        {{10, 0, 0, 5}, "10.0.0.5"},       {{0, 0, 0, 0}, "0.0.0.0"},       {{255, 255, 255, 255}, "255.255.255.255"},
        {{192, 168, 1, 4}, "192.168.1.4"}, {{1, 20, 100, 7}, "1.20.100.7"},
    };
    for (const auto& c : cases) {
        platform::net::IpAddrRow row;
        std::memset(&row, 0xA5, sizeof row);  // the rest of the row must not show
        std::memcpy(row.address, c.bytes, 4);
        EXPECT_EQ(modIP::IpAddressToString(row), c.expected);
    }
}

class LocalAddressTest : public SimTest {};

TEST_F(LocalAddressTest, TheLastAddressNotPassedOverWins) {
    const struct {
        std::vector<const char*> rows;
        const char* expected;
    } cases[] = {
        {{"127.0.0.1", "10.0.0.5"}, "10.0.0.5"},
        {{"127.0.0.1", "192.168.1.4", "169.254.3.2"}, "127.0.0.1"},  // none qualifies: the first row
        {{"10.0.0.5", "172.16.0.9"}, "172.16.0.9"},                  // both qualify: the later row
        {{"10.0.0.5", "192.168.0.1"}, "10.0.0.5"},
        {{"127.0.0.1", "192.0.2.7"}, "127.0.0.1"},
        {{"192.168.0.1", "19.2.0.1"}, "19.2.0.1"},  // the test is on three characters of text
        {{"127.0.0.1", "12.7.0.1", "16.9.1.1"}, "16.9.1.1"},
        {{"172.16.0.9", "127.0.0.1"}, "172.16.0.9"},
        {{"10.0.0.5"}, "10.0.0.5"},
        {{"127.0.0.1"}, "127.0.0.1"},
        {{}, ""},
        {{"1.1.1.1", "2.2.2.2", "3.3.3.3", "4.4.4.4", "5.5.5.5", "127.0.0.1"}, "5.5.5.5"},  // six rows
        {{"1.1.1.1", "2.2.2.2", "3.3.3.3", "4.4.4.4", "5.5.5.5", "6.6.6.6", "7.7.7.7"}, ""},
        {{"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5", "127.0.0.6", "127.0.0.7", "127.0.0.8"}, ""},
    };
    for (const auto& c : cases) {
        sim::Ip() = sim::IpTable{};
        sim::Ip().addresses = Addresses(c.rows);
        EXPECT_EQ(modIP::GetLocalIPAddress(), c.expected)
            << c.rows.size() << " rows, the first " << (c.rows.empty() ? "-" : c.rows[0]);
    }
}

TEST_F(LocalAddressTest, AskedForTheSizeSortedThenFilledInTheSystemsOrder) {
    sim::Ip().addresses = Addresses({"172.16.0.9", "10.0.0.5"});
    EXPECT_EQ(modIP::GetLocalIPAddress(), "10.0.0.5") << "the system's order, not the sorted one";
    const auto& calls = sim::Ip().calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[0].withTable);
    EXPECT_EQ(calls[0].size, 0u);
    EXPECT_TRUE(calls[0].sort);
    EXPECT_TRUE(calls[1].withTable);
    EXPECT_EQ(calls[1].size, 4u + 2 * 24) << "a buffer of the size the system asked for";
    EXPECT_FALSE(calls[1].sort);
}

TEST_F(LocalAddressTest, AFailedOrOddAnswerGivesTheEmptyString) {
    const struct {
        const char* what;
        long failure;
        std::optional<std::uint32_t> claimedRows;
        std::vector<const char*> addedAfterFirstCall;
        const char* expected;
    } cases[] = {
        {"a failing query", 50, std::nullopt, {}, ""},
        {"a count of more rows than the answer holds", 0, 3, {}, ""},
        {"a count far beyond the answer", 0, 0xFFFFFFFF, {}, ""},
        {"a count of seven rows", 0, 7, {}, ""},
        {"a count of fewer rows than it holds", 0, 1, {}, "10.0.0.5"},
        {"a count of no rows", 0, 0, {}, ""},
        {"an address added between the size query and the fill", 0, std::nullopt, {"172.16.0.9"}, ""},
    };
    for (const auto& c : cases) {
        sim::Ip() = sim::IpTable{};
        sim::Ip().addresses = Addresses({"10.0.0.5", "127.0.0.1"});
        sim::Ip().failure = c.failure;
        sim::Ip().claimedRows = c.claimedRows;
        sim::Ip().addedAfterFirstCall = Addresses(c.addedAfterFirstCall);
        EXPECT_EQ(modIP::GetLocalIPAddress(), c.expected) << c.what;
    }
    EXPECT_TRUE(p().messageBoxes.empty()) << "nothing is shown";
}

TEST(NetSendCommandLine, KeepsItsBlanks) {
    EXPECT_EQ(NetSendCommandLine("10.0.0.5"),
              "net send  10.0.0.5 If you can see this, Windows Popup Messages are enabled.");
    EXPECT_EQ(NetSendCommandLine(""), "net send   If you can see this, Windows Popup Messages are enabled.");
}

TEST_F(LocalAddressTest, StartsAreRecordedAndCanBeMadeToFail) {
    const std::string net = "C:\\WINDOWS\\system32\\net.exe";
    EXPECT_EQ(platform::process::StartHidden(net, "net send  10.0.0.5 hello"), 0);
    const struct {
        const char* program;
        long result;
    } missing[] = {
        {"net.exe", platform::kErrorPathNotFound},
        {"C:\\WINDOWS\\system32\\nosuch.exe", platform::kErrorFileNotFound},
        {"C:\\NoFolder\\net.exe", platform::kErrorPathNotFound},
        {"C:\\WINDOWS\\system32", platform::kErrorAccessDenied},
    };
    for (const auto& row : missing)
        EXPECT_EQ(platform::process::StartHidden(row.program, "x"), row.result) << row.program;
    sim::Starts().failure = 2;
    EXPECT_EQ(platform::process::StartHidden(net, "net send   hello"), 2);
    EXPECT_EQ(sim::Starts().commandLines.front(), "net send  10.0.0.5 hello");
    EXPECT_EQ(sim::Starts().commandLines.back(), "net send   hello");
    EXPECT_EQ(sim::Starts().programs.back(), net);
    sim::Reset();
    EXPECT_TRUE(sim::Starts().commandLines.empty()) << "a fresh machine has started nothing";
    EXPECT_TRUE(sim::Ip().addresses.empty());
}

}  // namespace
