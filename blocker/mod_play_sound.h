#pragma once
// Playing a wave file to its end.
#include <string>

namespace windhover::modPlaySound {

// Plays the wave file to its end; a missing or unreadable file plays nothing,
// not even the system's default sound.
void PlaySoundFile(const std::string& file);

}  // namespace windhover::modPlaySound
