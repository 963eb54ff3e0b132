#pragma once
// One IPv4 address of this machine, for the test message.
#include <string>

#include "platform/network.h"

namespace nightjar::modIP {

// The last address in the system's table order whose text does not begin
// with "127", "169" or "192"; the first address when every one does; the
// empty string when there is none or the table cannot be read (or holds more
// than six rows).
std::string GetLocalIPAddress();

// The row's address in dotted decimal form, first byte first.
std::string IpAddressToString(const platform::net::IpAddrRow& address);

}  // namespace nightjar::modIP
