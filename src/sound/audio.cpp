// Placeholder until the sound cues are built: resolves nothing and plays nothing.
#include "sound/audio.h"

void toglibarra(std::string&) {}

Audio::Audio(SoundPlayer& player, Random& random, std::string applicationPath)
    : player_(player), random_(random), applicationPath_(std::move(applicationPath))
{
}

void Audio::suona(const std::string&) {}
void Audio::suonaesatto(const std::string&) {}
