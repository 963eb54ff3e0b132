#pragma once
// The local IPv4 address table of the IP helper library.
#include <cstdint>

namespace platform::net {

// One row of the table (MIB_IPADDRROW), 24 bytes on 32- and 64-bit Windows
// alike.
struct IpAddrRow {
    std::uint8_t address[4];  // network byte order: address[0] is the first number of the dotted form
    std::uint32_t index;
    std::uint32_t mask;
    std::uint32_t broadcastAddress;
    std::uint32_t reassemblySize;
    std::uint16_t unused;
    std::uint16_t type;
};
static_assert(sizeof(IpAddrRow) == 24);

// The table (MIB_IPADDRTABLE): a 32-bit row count, then the rows from this offset.
inline constexpr std::uint32_t kIpAddrRowsOffset = 4;

// GetIpAddrTable. With `table` null or `*size` too small it sets `*size` to
// the bytes the table needs and returns kErrorInsufficientBuffer; otherwise
// it fills the table, its rows in ascending address order when `sort` is set,
// and returns 0. Any other result is a failure.
long GetIpAddrTable(void* table, std::uint32_t* size, bool sort);

}  // namespace platform::net
