// Wave sounds through the multimedia library.
#include "platform/sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace platform::sound {

bool PlayWave(const std::string& file, std::uint32_t flags) { return sndPlaySoundA(file.c_str(), flags) != FALSE; }

}  // namespace platform::sound
