#pragma once
// Runs one step of a handler that goes on past errors: a failing step is
// skipped and the handler carries on with the next one.
#include <exception>

template <class Step>
void SkipOnError(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        // the step is skipped; its handler goes on
    }
}
