// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The whole content of `path` if it is a regular file no longer than
// `maxBytes` that can be read; nothing otherwise. A folder, a pipe or a
// device is refused without being read, so that no cue path can block.
std::optional<std::vector<std::uint8_t>> readCueFile(const std::string& path, std::size_t maxBytes);

// Whether `bytes` start as a WAV file does ("RIFF", a size, "WAVE"); only such
// files go to the WAV decoder, never to a guess at some other format.
bool hasWavSignature(const std::vector<std::uint8_t>& bytes);
