#pragma once
// The simulated machine's local IPv4 address table, as GetIpAddrTable
// answers it. Reset with the machine.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using IpAddress = std::array<std::uint8_t, 4>;

// "10.0.0.5" as its four bytes, first number first.
IpAddress Address(const std::string& dotted);

struct IpTableCall {
    bool withTable = false;
    std::uint32_t size = 0;  // the size the caller passed in
    bool sort = false;
    long result = 0;
};

struct IpTable {
    // The machine's addresses, in the system's own order.
    std::vector<IpAddress> addresses;
    // Every call fails with this error when it is set.
    long failure = 0;
    // A row count written in place of the true one: a table that claims
    // rows its answer does not hold.
    std::optional<std::uint32_t> claimedRows;
    // Addresses the machine gains right after the first call, as when an
    // adapter comes up between the size query and the fill.
    std::vector<IpAddress> addedAfterFirstCall;

    std::vector<IpTableCall> calls;
};

// The machine's table (M().ipTable).
IpTable& Ip();

}  // namespace sim
