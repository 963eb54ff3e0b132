#pragma once
// Wave sounds.
#include <cstdint>
#include <string>

namespace platform::sound {

inline constexpr std::uint32_t kSndAsync = 0x0001;
inline constexpr std::uint32_t kSndNoDefault = 0x0002;

// sndPlaySoundA: plays the wave file, synchronously unless kSndAsync is
// given. True when the sound played.
bool PlayWave(const std::string& file, std::uint32_t flags);

}  // namespace platform::sound
