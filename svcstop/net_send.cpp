// The command line of the test message.
#include "svcstop/net_send.h"

namespace nightjar {

std::string NetSendCommandLine(const std::string& address) {
    return "net send  " + address + " If you can see this, Windows Popup Messages are enabled.";
}

}  // namespace nightjar
