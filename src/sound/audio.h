#pragma once

#include <string>

class Random;
class SoundPlayer;

// Removes one trailing separator from `path`, if it ends with one.
void toglibarra(std::string& path);

// The sound cues of the program: each cue is the file <cue>.wav in the folder
// `suoni` beside the executable.
class Audio {
public:
    Audio(SoundPlayer& player, Random& random, std::string applicationPath);

    // Plays the cue `name`.
    void suona(const std::string& name);
    // Plays one of the right-answer cues "esatto", "esatto2" .. "esatto5", drawn at random.
    void suonaesatto(const std::string& name);

private:
    SoundPlayer& player_;
    Random& random_;
    std::string applicationPath_;
};
