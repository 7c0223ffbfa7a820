// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/defaultsound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kLength = 0.3;   // seconds
constexpr double kPitch = 880.0;  // hertz: A5
constexpr double kDecay = 0.1;    // seconds of exponential decay of the fundamental
constexpr double kAttack = 0.003; // seconds to full level
constexpr double kRelease = 0.03; // seconds the note takes to die away at its end
// Level of the note as a root-mean-square value, and its loudest sample, of full
// scale: well below it, gentle on small ears.
constexpr double kLoudness = 0.12;
constexpr double kPeak = 0.6;
constexpr double kFadeIn = 0.003;         // seconds
constexpr double kFadeOut = 0.02;         // seconds
constexpr double kHighestPartial = 0.45;  // fraction of the sample rate kept (below Nyquist)
constexpr double kPcmFullScale = 32767.0; // largest 16-bit sample

// A plucked string: a bright start that mellows, each overtone fading faster.
struct Partial {
    double ratio;     // frequency as a multiple of the note's
    double amplitude; // relative to the fundamental
    double decayRate; // how many times faster than the fundamental it fades
};
constexpr std::array<Partial, 5> kPluck = {
    {{1, 1, 1}, {2, 0.5, 2}, {3, 0.3, 3}, {4, 0.18, 4}, {5, 0.1, 5}}};

std::vector<float> note(int sampleRate) {
    std::vector<float> track(static_cast<std::size_t>(kLength * sampleRate), 0.0f);
    std::array<double, kPluck.size()> phases{};
    for (std::size_t i = 0; i < track.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double level =
            std::min(1.0, t / kAttack) * std::clamp((kLength - t) / kRelease, 0.0, 1.0);
        double sample = 0;
        for (std::size_t p = 0; p < kPluck.size(); ++p) {
            const double f = kPitch * kPluck[p].ratio;
            if (f > kHighestPartial * sampleRate)
                continue;
            const double amplitude =
                kPluck[p].amplitude * std::exp(-t * kPluck[p].decayRate / kDecay);
            sample += amplitude * std::sin(phases[p]);
            phases[p] += kTwoPi * f / sampleRate;
        }
        track[i] = static_cast<float>(level * sample);
    }
    return track;
}

// Scales the track to its loudness without passing the peak, and fades both
// ends so that it starts and stops without a click.
void level(std::vector<float>& track, int sampleRate) {
    double loudest = 0;
    double energy = 0;
    for (float s : track) {
        loudest = std::max(loudest, static_cast<double>(std::abs(s)));
        energy += static_cast<double>(s) * s;
    }
    const double rms = track.empty() ? 0.0 : std::sqrt(energy / static_cast<double>(track.size()));
    const double scale = loudest > 0 ? std::min(kLoudness / rms, kPeak / loudest) : 0.0;
    const double fadeIn = kFadeIn * sampleRate;
    const double fadeOut = kFadeOut * sampleRate;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const double fromEnd = static_cast<double>(track.size() - 1 - i);
        const double edge = std::min({1.0, static_cast<double>(i) / fadeIn, fromEnd / fadeOut});
        track[i] = static_cast<float>(track[i] * scale * edge);
    }
}

} // namespace

std::vector<std::int16_t> defaultSoundSamples(int sampleRate, int channels) {
    std::vector<float> track = sampleRate > 0 ? note(sampleRate) : std::vector<float>{};
    level(track, sampleRate);
    std::vector<std::int16_t> samples;
    samples.reserve(track.size() * static_cast<std::size_t>(std::max(channels, 0)));
    for (float s : track) {
        const double clamped = std::clamp(static_cast<double>(s), -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * kPcmFullScale));
        samples.insert(samples.end(), static_cast<std::size_t>(std::max(channels, 0)), value);
    }
    return samples;
}
