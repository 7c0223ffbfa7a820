#pragma once

#include "core/sound/soundplayer.h"

#include <memory>

// The player the program uses on this machine.
std::unique_ptr<SoundPlayer> makeSystemSoundPlayer();
