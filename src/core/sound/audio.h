// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Random;
class SoundPlayer;

// Removes one trailing "/" from `path`, if it ends with one; an empty path
// stays empty. Only "/" separates folders here: a backslash is an ordinary
// character in a file name on this system.
void toglibarra(std::string& path);

// The sound cues of the program: each cue is the file <cue>.wav in the folder
// `suoni` beside the executable, unless the school's own sounds folder holds
// a file of that name that can be played. Playing never waits for the sound.
class Audio {
  public:
    // An empty `schoolSounds` leaves the school's folder out.
    Audio(SoundPlayer& player, Random& random, std::string applicationPath,
          std::string schoolSounds = {});

    // Plays the cue `name`.
    void suona(std::string_view name);
    // Plays one of the right-answer cues cues::kEsatto, drawn at random with
    // equal chances; "esatto" is the only name it takes.
    void suonaesatto(std::string_view name);

  private:
    // The files that may play the cue `name`, in order: <name>.wav in the
    // school's folder, then in "suoni" in the folder of the executable.
    std::vector<std::string> cuePaths(std::string_view name) const;

    SoundPlayer& player_;
    Random& random_;
    std::string applicationPath_;
    std::string schoolSounds_;
};
