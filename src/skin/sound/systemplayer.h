// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sound/soundplayer.h"

#include <memory>

// The player the program uses on this machine.
std::unique_ptr<SoundPlayer> makeSystemSoundPlayer();
