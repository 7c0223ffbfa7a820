// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/cuefile.h"

#include "skin/files/smallfile.h"

#include <algorithm>

namespace {

constexpr std::size_t kRiffTagAt = 0;
constexpr std::size_t kWaveTagAt = 8;
constexpr std::size_t kTagLength = 4;

bool hasTag(const std::vector<std::uint8_t>& bytes, std::size_t at, const char* tag) {
    return bytes.size() >= at + kTagLength &&
           std::equal(tag, tag + kTagLength, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

std::optional<std::vector<std::uint8_t>> readCueFile(const std::string& path,
                                                     std::size_t maxBytes) {
    SmallFile file = readSmallFile(path, maxBytes);
    if (file.status != SmallFile::Status::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

bool hasWavSignature(const std::vector<std::uint8_t>& bytes) {
    return hasTag(bytes, kRiffTagAt, "RIFF") && hasTag(bytes, kWaveTagAt, "WAVE");
}
