#include "sound/cues/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kVibratoRate = 5.5;      // hertz, a gentle singer's vibrato
constexpr double kRelease = 0.03;         // seconds each note takes to die away at its end
constexpr double kTrackFadeIn = 0.003;    // seconds
constexpr double kTrackFadeOut = 0.02;    // seconds
constexpr double kHighestPartial = 0.45;  // fraction of the sample rate kept (below Nyquist)
constexpr double kPcmFullScale = 32767.0; // largest 16-bit sample

struct Partial {
    double ratio;     // frequency as a multiple of the note's
    double amplitude; // relative to the fundamental
    double decayRate; // how many times faster than the fundamental it fades
};

struct Voice {
    std::vector<Partial> partials;
    double attack; // seconds to full level
};

Voice voiceOf(Timbre timbre) {
    switch (timbre) {
    case Timbre::Glockenspiel:
        return {{{1, 1, 1}, {2.76, 0.45, 2.5}, {5.40, 0.25, 4}, {8.93, 0.1, 6}}, 0.002};
    case Timbre::Marimba:
        return {{{1, 1, 1}, {3.93, 0.3, 5}, {9.2, 0.08, 9}}, 0.002};
    case Timbre::Pluck:
        return {{{1, 1, 1}, {2, 0.5, 2}, {3, 0.3, 3}, {4, 0.18, 4}, {5, 0.1, 5}}, 0.003};
    case Timbre::Whistle:
        return {{{1, 1, 0}, {2, 0.12, 0}}, 0.025};
    case Timbre::Horn:
        return {{{1, 1, 0}, {2, 0.55, 0}, {3, 0.35, 0}, {4, 0.2, 0}, {5, 0.1, 0}}, 0.035};
    case Timbre::Ocarina:
        return {{{1, 1, 0}, {3, 0.15, 0}, {5, 0.05, 0}}, 0.02};
    }
    return {{{1, 1, 1}}, 0.005};
}

// Level of a note at `t` seconds after its start, before the partials' own decay.
double envelope(const Note& note, double attack, double t) {
    const double rise = std::min(1.0, t / attack);
    const double fall = std::clamp((note.length - t) / kRelease, 0.0, 1.0);
    return rise * fall;
}

void addNote(std::vector<float>& track, const Note& note, int sampleRate) {
    const Voice voice = voiceOf(note.timbre);
    const auto first = static_cast<std::size_t>(note.start * sampleRate);
    const auto count = static_cast<std::size_t>(note.length * sampleRate);
    const double glide = note.glideTo > 0 ? note.glideTo / note.frequency : 1.0;
    std::vector<double> phases(voice.partials.size(), 0.0);

    for (std::size_t i = 0; i < count && first + i < track.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double vibrato = 1 + note.vibratoDepth * std::sin(kTwoPi * kVibratoRate * t);
        const double frequency = note.frequency * std::pow(glide, t / note.length) * vibrato;
        const double level = note.gain * envelope(note, voice.attack, t);
        double sample = 0;
        for (std::size_t p = 0; p < voice.partials.size(); ++p) {
            const Partial& partial = voice.partials[p];
            const double f = frequency * partial.ratio;
            if (f > kHighestPartial * sampleRate)
                continue;
            double amplitude = partial.amplitude;
            if (note.decay > 0)
                amplitude *= std::exp(-t * partial.decayRate / note.decay);
            sample += amplitude * std::sin(phases[p]);
            phases[p] += kTwoPi * f / sampleRate;
        }
        track[first + i] += static_cast<float>(level * sample);
    }
}

} // namespace

std::vector<float> render(const std::vector<Note>& notes, double seconds, double loudness,
                          double peak, int sampleRate) {
    std::vector<float> track(static_cast<std::size_t>(seconds * sampleRate), 0.0f);
    for (const Note& note : notes)
        addNote(track, note, sampleRate);

    double loudest = 0;
    double energy = 0;
    for (float s : track) {
        loudest = std::max(loudest, static_cast<double>(std::abs(s)));
        energy += static_cast<double>(s) * s;
    }
    const double rms = track.empty() ? 0.0 : std::sqrt(energy / track.size());
    const double scale = loudest > 0 ? std::min(loudness / rms, peak / loudest) : 0.0;

    const double fadeIn = kTrackFadeIn * sampleRate;
    const double fadeOut = kTrackFadeOut * sampleRate;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const double fromEnd = static_cast<double>(track.size() - 1 - i);
        const double edge = std::min({1.0, i / fadeIn, fromEnd / fadeOut});
        track[i] = static_cast<float>(track[i] * scale * edge);
    }
    return track;
}

std::vector<std::int16_t> toPcm16(const std::vector<float>& track, int channels) {
    std::vector<std::int16_t> samples;
    samples.reserve(track.size() * static_cast<std::size_t>(channels));
    for (float s : track) {
        const double clamped = std::clamp(static_cast<double>(s), -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * kPcmFullScale));
        samples.insert(samples.end(), static_cast<std::size_t>(channels), value);
    }
    return samples;
}

namespace {

// Byte by byte: GCC 12 misreads a four-byte range insert here as an overflow.
void putText(std::vector<std::uint8_t>& out, const char (&text)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(text[i]));
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * b)) & 0xff));
}

} // namespace

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples, int channels,
                                  int sampleRate) {
    constexpr std::uint32_t kFmtChunkSize = 16;
    constexpr std::uint32_t kPcmFormat = 1;
    constexpr std::uint32_t kBitsPerSample = 16;
    constexpr std::uint32_t kHeaderAfterRiffSize = 4 + 8 + kFmtChunkSize + 8; // "WAVE", fmt, data
    const auto bytesPerFrame = static_cast<std::uint32_t>(channels) * kBitsPerSample / 8;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderAfterRiffSize + 8 + dataSize);
    putText(out, "RIFF");
    putLittleEndian(out, kHeaderAfterRiffSize + dataSize, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLittleEndian(out, kFmtChunkSize, 4);
    putLittleEndian(out, kPcmFormat, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(channels), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * bytesPerFrame, 4);
    putLittleEndian(out, bytesPerFrame, 2);
    putLittleEndian(out, kBitsPerSample, 2);
    putText(out, "data");
    putLittleEndian(out, dataSize, 4);
    for (std::int16_t s : samples)
        putLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace synth
