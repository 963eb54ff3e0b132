#pragma once
// The command line of the test message.
#include <string>

namespace nightjar {

// "net send", two blanks, the address, one blank and the message; an empty
// address leaves three blanks after "net send".
std::string NetSendCommandLine(const std::string& address);

}  // namespace nightjar
