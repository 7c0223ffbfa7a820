// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webplatform.h"

#include <emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>

using emscripten::val;

namespace {

constexpr double kTwipsPerCssPixel = 15; // CSS pixels are 96 to the inch
constexpr double kSliceSeconds = 0.05;

val page() {
    return val::global("frazioni");
}

} // namespace

double PageClock::seconds() const {
    return emscripten_get_now() / 1000.0;
}

double PageRandom::next() {
    // Uniform in [0, 1); the clamp only guards against a value of 1.
    return std::min(emscripten_random(), std::nextafter(1.0f, 0.0f));
}

int PageScreen::widthPixels() const {
    // A window squeezed to nothing still gives the layout one pixel to work with.
    return std::max(1, val::global("innerWidth").as<int>());
}

int PageScreen::heightPixels() const {
    return std::max(1, val::global("innerHeight").as<int>());
}

double PageScreen::widthTwips() const {
    return widthPixels() * kTwipsPerCssPixel;
}

double PageScreen::heightTwips() const {
    return heightPixels() * kTwipsPerCssPixel;
}

double PageScreen::twipsPerPixel() const {
    return kTwipsPerCssPixel;
}

void yieldToBrowser(int ms) {
    emscripten_sleep(static_cast<unsigned>(std::max(0, ms)));
}

PagePause::PagePause(const Clock& clock, std::function<void()> meanwhile)
    : clock_(clock), meanwhile_(std::move(meanwhile)) {}

void PagePause::wait(double seconds) {
    const double end = clock_.seconds() + seconds;
    val root = val::global("document")["documentElement"];
    root.call<void>("setAttribute", std::string("data-busy"), std::string("1"));
    // Slices short enough to end within a frame of the second, read against
    // the clock, so a tab put in the background (whose timers the browser
    // slows down) ends its pause as soon as it gets a timer again.
    for (double left = end - clock_.seconds(); left > 0; left = end - clock_.seconds()) {
        yieldToBrowser(static_cast<int>(std::ceil(std::min(left, kSliceSeconds) * 1000)));
        if (meanwhile_)
            meanwhile_();
    }
    root.call<void>("removeAttribute", std::string("data-busy"));
}

void PageSoundPlayer::play(const std::vector<std::string>& paths) {
    // Every cue is inside the page under the base name of its file; the first
    // path names it (the school's folder is a desktop setting).
    std::string name = paths.empty() ? std::string() : paths.front();
    const auto slash = name.find_last_of('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    page().call<void>("suona", name);
}

bool PageSpeech::available() const {
    return available_;
}

void PageSpeech::prepare() {}

void PageSpeech::say(const std::string& text) {
    page().call<void>("parla", text);
}

void PageSpeech::stop() {
    page().call<void>("taci");
}

void PageSpeech::voicesChanged() {
    const bool now = page().call<bool>("haVoce");
    if (now == available_)
        return;
    available_ = now;
    availabilityChanged();
}
