// The texts an English Windows gives for the result codes the programs meet.
#include "platform/error_text.h"

#include <map>

namespace platform {

std::string SystemErrorText(long code) {
    static const std::map<long, std::string> texts = {
        {2, "The system cannot find the file specified."},
        {3, "The system cannot find the path specified."},
        {5, "Access is denied."},
        {6, "The handle is invalid."},
        {87, "The parameter is incorrect."},
        {1051, "A stop control has been sent to a service that other running services are dependent on."},
        {1052, "The requested control is not valid for this service."},
        {1053, "The service did not respond to the start or control request in a timely fashion."},
        {1056, "An instance of the service is already running."},
        {1058, "The service cannot be started, either because it is disabled or because it has no enabled devices "
               "associated with it."},
        {1060, "The specified service does not exist as an installed service."},
        {1061, "The service cannot accept control messages at this time."},
        {1062, "The service has not been started."},
        {1065, "The database specified does not exist."},
    };
    const auto known = texts.find(code);
    return known != texts.end() ? known->second : std::string();
}

}  // namespace platform
