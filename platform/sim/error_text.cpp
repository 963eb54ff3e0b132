// The texts an English Windows gives for the result codes the programs meet.
#include "platform/error_text.h"

#include <map>

#include "platform/types.h"

namespace platform {

std::string SystemErrorText(long code) {
    static const std::map<long, std::string> texts = {
        {kErrorFileNotFound, "The system cannot find the file specified."},
        {kErrorPathNotFound, "The system cannot find the path specified."},
        {kErrorAccessDenied, "Access is denied."},
        {kErrorInvalidHandle, "The handle is invalid."},
        {kErrorInvalidParameter, "The parameter is incorrect."},
        {kErrorDependentServicesRunning,
         "A stop control has been sent to a service that other running services are dependent on."},
        {kErrorInvalidServiceControl, "The requested control is not valid for this service."},
        {kErrorServiceRequestTimeout,
         "The service did not respond to the start or control request in a timely fashion."},
        {kErrorServiceAlreadyRunning, "An instance of the service is already running."},
        {kErrorServiceDisabled,
         "The service cannot be started, either because it is disabled or because it has no enabled devices "
         "associated with it."},
        {kErrorServiceDoesNotExist, "The specified service does not exist as an installed service."},
        {kErrorServiceCannotAcceptCtrl, "The service cannot accept control messages at this time."},
        {kErrorServiceNotActive, "The service has not been started."},
        {kErrorDatabaseDoesNotExist, "The database specified does not exist."},
    };
    const auto known = texts.find(code);
    return known != texts.end() ? known->second : std::string();
}

}  // namespace platform
