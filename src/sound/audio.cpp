#include "sound/audio.h"

#include "platform/random.h"
#include "sound/soundplayer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char kSeparator = '/';
constexpr const char* kCueFolder = "suoni";
constexpr const char* kCueExtension = ".wav";
constexpr const char* kRightAnswerCue = "esatto";
constexpr int kRightAnswerCues = 5;

} // namespace

void toglibarra(std::string& path) {
    if (!path.empty() && path.back() == kSeparator)
        path.pop_back();
}

Audio::Audio(SoundPlayer& player, Random& random, std::string applicationPath)
    : player_(player), random_(random), applicationPath_(std::move(applicationPath)) {}

std::string Audio::cuePath(const std::string& name) const {
    // The folder loses its trailing "/" first, so that an executable in the
    // root folder still gives "/suoni/<name>.wav" and not "//suoni/...".
    std::string folder = applicationPath_;
    toglibarra(folder);
    return folder + kSeparator + kCueFolder + kSeparator + name + kCueExtension;
}

void Audio::suona(const std::string& name) {
    player_.play(cuePath(name));
}

void Audio::suonaesatto(const std::string&) {
    random_.randomize();
    const double x = random_.next();
    // x lies in [0, 1), so n is 1 to 5; the clamp only guards against a
    // generator that breaks that promise.
    const int n =
        std::clamp(static_cast<int>(std::floor(x * kRightAnswerCues)) + 1, 1, kRightAnswerCues);
    const std::string cue = n == 1 ? kRightAnswerCue : kRightAnswerCue + std::to_string(n);
    player_.play(cuePath(cue));
}
