// The local address table, straight from the IP helper library.
#include "platform/network.h"

#include <windows.h>

#include <cstddef>
#include <iphlpapi.h>

namespace platform::net {

static_assert(sizeof(MIB_IPADDRROW) == sizeof(IpAddrRow));
static_assert(offsetof(MIB_IPADDRTABLE, table) == kIpAddrRowsOffset);

long GetIpAddrTable(void* table, std::uint32_t* size, bool sort) {
    if (!size) return ERROR_INVALID_PARAMETER;
    ULONG length = *size;
    const DWORD result = ::GetIpAddrTable(static_cast<MIB_IPADDRTABLE*>(table), &length, sort ? TRUE : FALSE);
    *size = length;
    return static_cast<long>(result);
}

}  // namespace platform::net
