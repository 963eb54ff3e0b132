#pragma once
// The running Windows version described as text, once, when the object is made.
#include <functional>
#include <string>

#include "platform/version.h"

namespace nightjar {

class clsOS {
public:
    // GetVersionExA: fills the record whose size field says which form it is.
    using VersionQuery = std::function<int(platform::version::OsVersionInfo*)>;

    // Describes the system the program runs on.
    clsOS();
    // Describes the system the query reports.
    explicit clsOS(const VersionQuery& query);

    std::string OS_Name;
    std::string OS_Version;
    std::string OS_Build;
    std::string OS_Additional;
    std::string OS_ServicePack;
    std::string OS_Suite;
    std::string OS_ProductType;

private:
    void DetectOS(const VersionQuery& query);
};

}  // namespace nightjar
