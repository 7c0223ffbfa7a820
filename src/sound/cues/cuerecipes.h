#pragma once

// The program's own sound cues, each a short tune for the synthesizer: the
// greeting, the wrong-answer sound, five different right-answer sounds, and
// the default sound that stands in for any cue file that cannot be played.

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

struct CueRecipe {
    std::string name;                  // base name of the cue's file
    std::vector<std::int16_t> samples; // mono, 16-bit, at kSampleRate
};

// "premivia", "sbagliato1", "esatto", "esatto2" .. "esatto5", in that order.
std::vector<CueRecipe> programCues();

// The default sound as 16-bit frames of `channels` samples at `sampleRate`.
std::vector<std::int16_t> defaultCueSamples(int sampleRate, int channels);
// The same, as a complete WAV file.
std::vector<std::uint8_t> defaultCueWav(int sampleRate, int channels);

} // namespace synth
