// Playing a wave file to its end.
#include "blocker/mod_play_sound.h"

#include "platform/sound.h"

namespace windhover::modPlaySound {

void PlaySoundFile(const std::string& file) { platform::sound::PlayWave(file, platform::sound::kSndNoDefault); }

}  // namespace windhover::modPlaySound
