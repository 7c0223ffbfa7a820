#pragma once

// Reading what SDL's "disk" audio driver wrote: the mixed output as 16-bit
// interleaved stereo at the rate the player asked for.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kTestRate = 44100;
constexpr int kTestChannels = 2;

// The file the disk driver writes to, as set in the test's environment.
std::string diskOutputPath();

// All samples written so far.
std::vector<std::int16_t> readDiskOutput();

// Where `needle` first starts in `haystack` on a frame boundary, or -1.
long findFrames(const std::vector<std::int16_t>& haystack, const std::vector<std::int16_t>& needle);

// Waits until `needle` has been written whole; returns its start, or -1 when
// `timeout` passes first.
long waitForFrames(const std::vector<std::int16_t>& needle, std::chrono::milliseconds timeout);

// Waits until at least `samples` samples have been written.
bool waitForLength(std::size_t samples, std::chrono::milliseconds timeout);

// A stereo test signal of `frames` frames, both channels alike: noise from
// `seed`, so that no two signals and no stretch of silence look alike.
std::vector<std::int16_t> noiseSignal(unsigned seed, int frames);
