// One IPv4 address of this machine, for the test message.
#include "svcstop/mod_ip.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace nightjar::modIP {

namespace {

namespace net = platform::net;

constexpr std::uint32_t kMaxRows = 6;

// Addresses whose text begins so are passed over; the test is on the first
// three characters of the text alone.
const char* const kPassedOver[] = {"127", "169", "192"};

bool Qualifies(const std::string& text) {
    for (const char* prefix : kPassedOver)
        if (text.compare(0, 3, prefix) == 0) return false;
    return true;
}

// The rows of the table in `buffer`; false when it cannot hold what its row
// count claims, or claims more rows than the lookup takes.
bool ReadRows(const std::vector<std::uint8_t>& buffer, std::vector<net::IpAddrRow>* rows) {
    std::uint32_t count = 0;
    if (buffer.size() < net::kIpAddrRowsOffset) return false;
    std::memcpy(&count, buffer.data(), sizeof count);
    if (count > kMaxRows) return false;
    if (net::kIpAddrRowsOffset + count * sizeof(net::IpAddrRow) > buffer.size()) return false;
    rows->resize(count);
    if (count > 0) std::memcpy(rows->data(), buffer.data() + net::kIpAddrRowsOffset, count * sizeof(net::IpAddrRow));
    return true;
}

}  // namespace

std::string IpAddressToString(const net::IpAddrRow& address) {
    std::uint8_t bytes[4];
    std::memcpy(bytes, address.address, sizeof bytes);
    return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]) + "." +
           std::to_string(bytes[3]);
}

std::string GetLocalIPAddress() {
    std::uint32_t size = 0;
    net::GetIpAddrTable(nullptr, &size, true);
    // The size is a signed count to the system's first users: "0 or less" is no table.
    if (static_cast<std::int32_t>(size) <= 0) return "";

    std::vector<std::uint8_t> buffer;
    try {
        buffer.assign(size, 0);
    } catch (const std::bad_alloc&) {
        return "";
    }
    // The result is not looked at: a fill that failed leaves the zeros, a table of no rows.
    std::uint32_t filled = size;
    net::GetIpAddrTable(buffer.data(), &filled, false);

    std::vector<net::IpAddrRow> rows;
    if (!ReadRows(buffer, &rows) || rows.empty()) return "";
    std::string result = IpAddressToString(rows[0]);
    for (const net::IpAddrRow& row : rows) {
        const std::string text = IpAddressToString(row);
        if (Qualifies(text)) result = text;
    }
    return result;
}

}  // namespace nightjar::modIP
