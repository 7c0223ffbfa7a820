// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

class Random;
class SoundPlayer;

// Removes one trailing "/" from `path`, if it ends with one; an empty path
// stays empty. Only "/" separates folders here: a backslash is an ordinary
// character in a file name on this system.
void toglibarra(std::string& path);

// The sound cues of the program: each cue is the file <cue>.wav in the folder
// `suoni` beside the executable. Playing never waits for the sound.
class Audio {
  public:
    Audio(SoundPlayer& player, Random& random, std::string applicationPath);

    // Plays the cue `name`.
    void suona(std::string_view name);
    // Plays one of the right-answer cues cues::kEsatto, drawn at random with
    // equal chances; "esatto" is the only name it takes.
    void suonaesatto(std::string_view name);

  private:
    // The folder of the executable, "suoni" and <name>.wav, one "/" between each.
    std::string cuePath(std::string_view name) const;

    SoundPlayer& player_;
    Random& random_;
    std::string applicationPath_;
};
