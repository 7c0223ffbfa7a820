// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/sound/sdlsoundplayer.h"

#include <memory>

// The player the program uses on this machine. It loads SDL and opens the
// device only when open() is called, so that nothing of the sound system
// slows the first window; cues asked for before then wait for the device.
std::unique_ptr<SdlSoundPlayer> makeSystemSoundPlayer();
