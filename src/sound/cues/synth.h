#pragma once

// A very small additive synthesizer for the program's sound cues: notes with
// a timbre, an envelope and an optional glide, mixed into one mono track and
// written out as a 16-bit PCM WAV.

#include <cstdint>
#include <vector>

namespace synth {

constexpr int kSampleRate = 44100;

// The sound colour of a note; each is a fixed set of partials.
enum class Timbre {
    Glockenspiel, // metal bar: inharmonic partials, long ring
    Marimba,      // wooden bar: strong fundamental, short knock
    Pluck,        // plucked string: bright start that mellows
    Whistle,      // near-pure tone with a breathy second harmonic
    Horn,         // soft brass: harmonics that swell in
    Ocarina,      // hollow, round: odd harmonics only
};

struct Note {
    double start = 0;     // seconds from the beginning of the cue
    double length = 0;    // seconds, including the release
    double frequency = 0; // hertz at the start
    Timbre timbre = Timbre::Glockenspiel;
    double gain = 1;
    double glideTo = 0;      // hertz reached at the end of the note; 0 keeps the pitch
    double vibratoDepth = 0; // fraction of the frequency
    double decay = 0;        // seconds of exponential decay; 0 holds the level
};

// Mixes the notes into a track of `seconds` at `sampleRate`, scaled to the
// root-mean-square level `loudness` (0..1) so that cues of different timbres
// sound about as loud, but never with a sample above `peak`, and faded to
// silence at both ends so that it starts and stops without a click.
std::vector<float> render(const std::vector<Note>& notes, double seconds, double loudness,
                          double peak, int sampleRate = kSampleRate);

// 16-bit samples of a track in [-1, 1], repeated `channels` times per frame.
std::vector<std::int16_t> toPcm16(const std::vector<float>& track, int channels = 1);

// A complete WAV file (RIFF, "fmt " and "data" chunks) holding 16-bit PCM frames.
std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples, int channels,
                                  int sampleRate = kSampleRate);

} // namespace synth
