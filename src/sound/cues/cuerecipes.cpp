#include "sound/cues/cuerecipes.h"

#include "sound/cues/synth.h"

namespace synth {
namespace {

// Equal-tempered pitches, in hertz.
constexpr double Ds4 = 311.13;
constexpr double E4 = 329.63;
constexpr double F4 = 349.23;
constexpr double G4 = 392.00;
constexpr double Bb4 = 466.16;
constexpr double C5 = 523.25;
constexpr double D5 = 587.33;
constexpr double E5 = 659.25;
constexpr double F5 = 698.46;
constexpr double G5 = 783.99;
constexpr double A5 = 880.00;
constexpr double B5 = 987.77;
constexpr double C6 = 1046.50;
constexpr double D6 = 1174.66;
constexpr double Ds6 = 1244.51;
constexpr double E6 = 1318.51;
constexpr double Fs6 = 1479.98;
constexpr double G6 = 1567.98;
constexpr double A6 = 1760.00;
constexpr double B6 = 1975.53;
constexpr double C7 = 2093.00;

// Level of every cue, and its loudest sample: well below full scale, gentle
// on small ears.
constexpr double kLoudness = 0.12;
constexpr double kPeak = 0.6;
// The wrong-answer sound is a touch quieter than the cheerful ones.
constexpr double kWrongLoudness = 0.1;

std::vector<std::int16_t> mono(const std::vector<Note>& notes, double seconds,
                               double loudness = kLoudness) {
    return toPcm16(render(notes, seconds, loudness, kPeak));
}

// A bright rising glockenspiel arpeggio: the program is ready.
std::vector<std::int16_t> premivia() {
    constexpr double kLength = 1.2;
    constexpr double kStep = 0.12;
    std::vector<Note> notes;
    const double pitches[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        const double start = i * kStep;
        notes.push_back({start, kLength - start, pitches[i], Timbre::Glockenspiel, 1, 0, 0, 0.4});
    }
    notes.push_back({3 * kStep, kLength - 3 * kStep, E6, Timbre::Glockenspiel, 0.35, 0, 0, 0.4});
    return mono(notes, kLength);
}

// A soft falling "uh-oh" on an ocarina: try again, without a harsh buzz.
std::vector<std::int16_t> sbagliato1() {
    return mono({{0.0, 0.28, G4, Timbre::Ocarina, 1, 0, 0.004, 0},
                 {0.32, 0.43, E4, Timbre::Ocarina, 1, Ds4, 0.006, 0}},
                0.75, kWrongLoudness);
}

// Three quick rising marimba knocks.
std::vector<std::int16_t> esatto() {
    return mono({{0.0, 0.25, G5, Timbre::Marimba, 1, 0, 0, 0.15},
                 {0.09, 0.25, C6, Timbre::Marimba, 1, 0, 0, 0.15},
                 {0.18, 0.42, E6, Timbre::Marimba, 1, 0, 0, 0.25}},
                0.6);
}

// A slide whistle going up, "woo-hoo", ending on a held note with vibrato.
std::vector<std::int16_t> esatto2() {
    return mono({{0.0, 0.34, 600, Timbre::Whistle, 1, 1200, 0, 0},
                 {0.34, 0.31, 1200, Timbre::Whistle, 1, 0, 0.02, 0}},
                0.65);
}

// A sparkling run of plucked notes up the pentatonic scale.
std::vector<std::int16_t> esatto3() {
    constexpr double kLength = 0.8;
    constexpr double kStep = 0.055;
    const double pitches[] = {C6, D6, E6, G6, A6, C7};
    std::vector<Note> notes;
    for (int i = 0; i < 6; ++i) {
        const double start = i * kStep;
        notes.push_back({start, kLength - start, pitches[i], Timbre::Pluck, 1, 0, 0, 0.12});
    }
    return mono(notes, kLength);
}

// A little horn fanfare: three short notes and a held major chord.
std::vector<std::int16_t> esatto4() {
    constexpr double kShort = 0.12;
    constexpr double kGap = 0.15;
    constexpr double kChordStart = 3 * kGap;
    constexpr double kLength = 1.2;
    constexpr double kVibrato = 0.006;
    std::vector<Note> notes;
    for (int i = 0; i < 3; ++i)
        notes.push_back({i * kGap, kShort, F4, Timbre::Horn, 1, 0, 0, 0});
    for (double pitch : {Bb4, D5, F5})
        notes.push_back(
            {kChordStart, kLength - kChordStart, pitch, Timbre::Horn, 0.6, 0, kVibrato, 0});
    return mono(notes, kLength);
}

// Two high chords struck on bells, "ding... ding!", in another key than the
// other cues so that it does not echo their notes.
std::vector<std::int16_t> esatto5() {
    constexpr double kSecond = 0.2;
    constexpr double kLength = 1.0;
    return mono({{0.0, kLength, B5, Timbre::Glockenspiel, 0.8, 0, 0, 0.25},
                 {0.0, kLength, Ds6, Timbre::Glockenspiel, 0.6, 0, 0, 0.25},
                 {kSecond, kLength - kSecond, Fs6, Timbre::Glockenspiel, 0.8, 0, 0, 0.3},
                 {kSecond, kLength - kSecond, B6, Timbre::Glockenspiel, 0.7, 0, 0, 0.3}},
                kLength);
}

} // namespace

std::vector<CueRecipe> programCues() {
    return {{"premivia", premivia()}, {"sbagliato1", sbagliato1()}, {"esatto", esatto()},
            {"esatto2", esatto2()},   {"esatto3", esatto3()},       {"esatto4", esatto4()},
            {"esatto5", esatto5()}};
}

// A single short plucked note: neutral, so that it fits any moment.
std::vector<std::int16_t> defaultCueSamples(int sampleRate, int channels) {
    constexpr double kLength = 0.3;
    const Note ping{0.0, kLength, A5, Timbre::Pluck, 1, 0, 0, 0.1};
    return toPcm16(render({ping}, kLength, kLoudness, kPeak, sampleRate), channels);
}

std::vector<std::uint8_t> defaultCueWav(int sampleRate, int channels) {
    return wavFile(defaultCueSamples(sampleRate, channels), channels, sampleRate);
}

} // namespace synth
