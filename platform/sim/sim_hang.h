#pragma once
// sim::Hang: what the simulation throws when the program would wait for ever.
#include <string>

namespace sim {

// Thrown past every handler when the program would wait for ever: a modal
// window or a DoEvents loop with no message, no user action and no timer
// left, or a wait that runs past the time cap on the virtual clock. `what`
// names the wait. Deliberately not a std::exception, so that the dispatcher
// lets it through to the test.
struct Hang {
    std::string what;
};

}  // namespace sim
