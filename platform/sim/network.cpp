// The simulated local IPv4 address table, answered as GetIpAddrTable answers.
#include "platform/sim/network.h"
#include "platform/sim/sim.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/network.h"
#include "platform/types.h"

namespace sim {

IpAddress Address(const std::string& dotted) {
    unsigned parts[4] = {};
    std::sscanf(dotted.c_str(), "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]);
    return {static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
            static_cast<std::uint8_t>(parts[2]), static_cast<std::uint8_t>(parts[3])};
}

IpTable& Ip() { return M().ipTable; }

}  // namespace sim

namespace platform::net {

namespace {

long Answer(void* buffer, std::uint32_t* size, bool sort) {
    sim::IpTable& t = sim::Ip();
    if (!size) return kErrorInvalidParameter;
    if (t.failure) return t.failure;
    const auto rows = static_cast<std::uint32_t>(t.addresses.size());
    const std::uint32_t needed = kIpAddrRowsOffset + rows * sizeof(IpAddrRow);
    if (!buffer || *size < needed) {
        *size = needed;
        return kErrorInsufficientBuffer;
    }
    std::vector<sim::IpAddress> order = t.addresses;
    if (sort) std::sort(order.begin(), order.end());
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    const std::uint32_t count = t.claimedRows.value_or(rows);
    std::memcpy(bytes, &count, sizeof count);
    for (std::uint32_t i = 0; i < rows; ++i) {
        IpAddrRow row{};
        std::memcpy(row.address, order[i].data(), 4);
        row.index = i + 1;
        row.mask = 0x00FFFFFF;
        row.type = 1;
        std::memcpy(bytes + kIpAddrRowsOffset + i * sizeof row, &row, sizeof row);
    }
    return kErrorSuccess;
}

}  // namespace

long GetIpAddrTable(void* table, std::uint32_t* size, bool sort) {
    sim::IpTable& t = sim::Ip();
    const sim::IpTableCall call{table != nullptr, size ? *size : 0, sort, Answer(table, size, sort)};
    if (t.calls.empty())
        t.addresses.insert(t.addresses.end(), t.addedAfterFirstCall.begin(), t.addedAfterFirstCall.end());
    t.calls.push_back(call);
    return call.result;
}

}  // namespace platform::net
