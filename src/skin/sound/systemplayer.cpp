// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/systemplayer.h"

#include "skin/sound/sdlsoundplayer.h"

namespace {
// FINE ends the program at once: a device that closes normally lets go within
// a few milliseconds, and a hung sound server is not waited for.
constexpr std::chrono::milliseconds kCloseWait{100};
} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() {
    SdlSoundPlayer::Options options;
    options.closeWait = kCloseWait;
    return std::make_unique<SdlSoundPlayer>(options);
}
