#pragma once
// A step that runs when the scope it stands in ends, however it ends: at the
// close of the block, by a return or by an error thrown through it.
//     busy = true;
//     const platform::ScopeExit idle([&] { busy = false; });
#include <utility>

namespace platform {

template <class Step>
class ScopeExit {
public:
    explicit ScopeExit(Step step) : step_(std::move(step)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { step_(); }

private:
    Step step_;
};

}  // namespace platform
