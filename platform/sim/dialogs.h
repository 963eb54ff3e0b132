#pragma once
// Message boxes in the simulation: each box shown, and the user's answers.
#include <cstdint>
#include <string>

namespace sim {

struct MessageBoxRecord {
    std::string text;
    std::string title;
    std::uint32_t buttons = 0;  // the low four bits of the flags
    std::uint32_t icon = 0;     // the icon bits of the flags
    int answer = 0;
};

// The user's answer to a message box, given after the box has been open
// that long (timers tick and posted messages arrive meanwhile).
struct Answer {
    Answer(int button, std::uint64_t afterMs = 0) : button(button), afterMs(afterMs) {}
    int button;
    std::uint64_t afterMs;
};

}  // namespace sim
