// The simulated sound card: the journal records each sound and whether it played.
#include "platform/sim/sim.h"
#include "platform/sound.h"

namespace platform::sound {

bool PlayWave(const std::string& file, std::uint32_t flags) {
    const sim::File* wave = sim::M().files.file(file);
    const sim::SoundCall call{file, flags, wave && !(wave->attributes & files::kDirectory)};
    sim::Record(call);
    if (call.played && sim::P().whilePlaying) sim::P().whilePlaying(call);
    return call.played;
}

}  // namespace platform::sound
