#pragma once
// The sounds the simulated machine played.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sim {

struct SoundRecord {
    std::string file;
    std::uint32_t flags = 0;
    bool played = false;  // false: no such wave file
};

struct Sounds {
    std::vector<SoundRecord> calls;
    // Runs while a sound plays, so that a test sees the program's state then.
    std::function<void(const SoundRecord&)> whilePlaying;
};

}  // namespace sim
