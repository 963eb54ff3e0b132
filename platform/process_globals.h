#pragma once
// Module globals of the programs and their start values. Each global that a
// fresh start of the program must find at its start value registers its
// reset beside its definition:
//
//   ProductInfoRecord ProductInfo;
//   static const platform::ResetAtStart resetProductInfo([] { ProductInfo = ProductInfoRecord{}; });
//
// A program starts once on Windows, so nothing runs the resets there; the
// simulation runs all of them when it starts a new process on the same
// machine (sim::NewProcess), so that no test names a global.
#include <functional>

namespace platform {

class ResetAtStart {
public:
    explicit ResetAtStart(std::function<void()> reset);
};

// Runs every registered reset, in the order of registration.
void ResetModuleGlobals();

}  // namespace platform
