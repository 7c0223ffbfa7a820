// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Plays a WAV file without waiting for it: the call returns at once and a new
// sound cuts off the one still playing. Of `paths`, the first file that can be
// played is played; when none can (each missing, unreadable or not a valid
// WAV), the program's own default sound plays instead.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::vector<std::string>& paths) = 0;
};
