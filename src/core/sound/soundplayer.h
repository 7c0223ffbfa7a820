// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Plays a WAV file without waiting for it: the call returns at once, a new
// sound cuts off the one still playing, and a file that is missing, unreadable
// or not a valid WAV plays the program's own default sound instead.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
};
