#pragma once
#include <string>

namespace sim {

// Thrown past every handler when the program would wait for ever: a modal
// window with no message, no timer and no user action left. Deliberately not
// a std::exception, so that the dispatcher lets it through to the test.
struct Hang {
    std::string what;
};

}  // namespace sim
