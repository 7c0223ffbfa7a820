// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The program's own default sound, which stands in for any cue file that
// cannot be played: a single short plucked note, neutral enough for any
// moment. Made in memory, as 16-bit frames of `channels` equal samples at
// `sampleRate`, so that it plays in the device's own format unconverted.
std::vector<std::int16_t> defaultSoundSamples(int sampleRate, int channels);
