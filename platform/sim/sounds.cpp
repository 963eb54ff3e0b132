// The simulated sound card: records each sound and what played.
#include "platform/sim/sim.h"
#include "platform/sound.h"

namespace platform::sound {

bool PlayWave(const std::string& file, std::uint32_t flags) {
    auto& m = sim::M();
    const sim::File* wave = m.files.file(file);
    sim::SoundRecord record{file, flags, wave && !(wave->attributes & files::kDirectory)};
    m.sounds.calls.push_back(record);
    if (record.played && m.sounds.whilePlaying) m.sounds.whilePlaying(record);
    return record.played;
}

}  // namespace platform::sound
