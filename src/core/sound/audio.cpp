// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sound/audio.h"

#include "core/platform/random.h"
#include "core/sound/cues.h"
#include "core/sound/soundplayer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char kSeparator = '/';
constexpr const char* kCueFolder = "suoni";
constexpr const char* kCueExtension = ".wav";
constexpr int kRightAnswerCues = static_cast<int>(cues::kEsatto.size());

} // namespace

void toglibarra(std::string& path) {
    if (!path.empty() && path.back() == kSeparator)
        path.pop_back();
}

Audio::Audio(SoundPlayer& player, Random& random, std::string applicationPath,
             std::string schoolSounds)
    : player_(player), random_(random), applicationPath_(std::move(applicationPath)),
      schoolSounds_(std::move(schoolSounds)) {}

std::vector<std::string> Audio::cuePaths(std::string_view name) const {
    const std::string file = std::string(name) + kCueExtension;
    std::vector<std::string> paths;
    // Each folder loses its trailing "/" first, so that an executable in the
    // root folder still gives "/suoni/<name>.wav" and not "//suoni/...".
    if (!schoolSounds_.empty()) {
        std::string school = schoolSounds_;
        toglibarra(school);
        paths.push_back(school + kSeparator + file);
    }
    std::string folder = applicationPath_;
    toglibarra(folder);
    paths.push_back(folder + kSeparator + kCueFolder + kSeparator + file);
    return paths;
}

void Audio::suona(std::string_view name) {
    player_.play(cuePaths(name));
}

void Audio::suonaesatto(std::string_view) {
    random_.randomize();
    const double x = random_.next();
    // x lies in [0, 1), so n is 0 to 4; the clamp only guards against a
    // generator that breaks that promise.
    const int n =
        std::clamp(static_cast<int>(std::floor(x * kRightAnswerCues)), 0, kRightAnswerCues - 1);
    player_.play(cuePaths(cues::kEsatto[static_cast<std::size_t>(n)]));
}
