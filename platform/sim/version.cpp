// The simulated version information: the program's own and the system's.
#include "platform/sim/sim.h"
#include "platform/version.h"

namespace platform::version {

ProductVersion OwnVersion() { return sim::M().ownVersion; }

int GetVersionEx(OsVersionInfo* info) {
    auto& m = sim::M();
    ++m.getVersionExCalls;
    if (!info || (info->size != kOsVersionInfoSize && info->size != kOsVersionInfoExSize)) return 0;
    if (!m.os) return 0;
    const std::uint32_t size = info->size;
    OsVersionInfo staged = *m.os;
    if (size == kOsVersionInfoSize) {
        staged.servicePackMajor = info->servicePackMajor;
        staged.servicePackMinor = info->servicePackMinor;
        staged.suiteMask = info->suiteMask;
        staged.productType = info->productType;
        staged.reserved = info->reserved;
    }
    *info = staged;
    info->size = size;
    return 1;
}

}  // namespace platform::version
