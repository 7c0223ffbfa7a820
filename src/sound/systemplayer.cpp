#include "sound/systemplayer.h"

#include "sound/sdlsoundplayer.h"

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() {
    return std::make_unique<SdlSoundPlayer>();
}
