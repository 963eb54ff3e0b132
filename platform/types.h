#pragma once
// Handles as the portable code holds them, and the Win32 result codes the programs look at.
#include <cstdint>

namespace platform {

// A window, icon, region or registry-key handle, as wide as a pointer.
using Handle = std::uintptr_t;

// Win32 result codes the programs look at.
enum : long {
    kErrorSuccess = 0,
    kErrorFileNotFound = 2,
    kErrorPathNotFound = 3,
    kErrorAccessDenied = 5,
    kErrorInvalidHandle = 6,
    kErrorSharingViolation = 32,
    kErrorFileExists = 80,
    kErrorInvalidParameter = 87,
    kErrorDiskFull = 112,
    kErrorInsufficientBuffer = 122,
    kErrorInvalidName = 123,
    kErrorFilenameExcedRange = 206,
    kErrorMoreData = 234,
    kErrorNoMoreItems = 259,
    kErrorDependentServicesRunning = 1051,
    kErrorInvalidServiceControl = 1052,
    kErrorServiceRequestTimeout = 1053,
    kErrorServiceAlreadyRunning = 1056,
    kErrorServiceDisabled = 1058,
    kErrorServiceDoesNotExist = 1060,
    kErrorServiceCannotAcceptCtrl = 1061,
    kErrorServiceNotActive = 1062,
    kErrorDatabaseDoesNotExist = 1065,
    kErrorServiceSpecificError = 1066,
    kErrorServiceNeverStarted = 1077,
    kErrorInvalidWindowHandle = 1400,
    kErrorHotkeyAlreadyRegistered = 1409,
    kErrorHotkeyNotRegistered = 1419,
};

}  // namespace platform
