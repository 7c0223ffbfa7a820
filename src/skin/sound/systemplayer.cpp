#include "skin/sound/systemplayer.h"

#include "skin/sound/sdlsoundplayer.h"

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() {
    return std::make_unique<SdlSoundPlayer>();
}
