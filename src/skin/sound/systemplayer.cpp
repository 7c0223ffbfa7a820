// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/systemplayer.h"

namespace {
// FINE ends the program at once: a device that closes normally lets go within
// a few milliseconds, and a hung sound server is not waited for.
constexpr std::chrono::milliseconds kCloseWait{100};
} // namespace

std::unique_ptr<SdlSoundPlayer> makeSystemSoundPlayer() {
    SdlSoundPlayer::Options options;
    options.closeWait = kCloseWait;
    options.openAtOnce = false;
    return std::make_unique<SdlSoundPlayer>(options);
}
