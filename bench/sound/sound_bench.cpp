// SPDX-License-Identifier: GPL-3.0-or-later
// Times the sound cues as the program uses them: the real player, the cue
// files the build made, SDL's "disk" driver standing in for a sound card (its
// output file shows when the first samples of a cue come out).
//
// Figures printed:
//   - the player's construction on the window's thread, and the time its own
//     thread takes to load SDL (the first player only) and open the device;
//   - how long Audio::suona / suonaesatto take to return: the first call of
//     each cue (file not read yet) and later calls;
//   - the delay from the call to the cue's first samples in the output;
//   - the same with no usable device, and how long the search for a device
//     takes on this machine when none is forced.
#include "core/platform/clock.h"
#include "core/platform/random.h"
#include "core/sound/audio.h"
#include "core/sound/cues.h"
#include "skin/sound/sdlsoundplayer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kReadyWait = std::chrono::seconds(10);
constexpr auto kOnsetWait = std::chrono::seconds(2);
constexpr auto kPoll = std::chrono::microseconds(200);
constexpr auto kSettle = std::chrono::milliseconds(1600); // longer than any cue
constexpr int kWarmRounds = 10;
constexpr int kQuickCalls = 1000;
constexpr const char* kOutput = "/tmp/frazioni_sound_bench.raw";
// The program's cues and a missing file, which plays the default sound.
std::vector<std::string> cuesToTime() {
    std::vector<std::string> names(cues::kAll.begin(), cues::kAll.end());
    names.emplace_back("mancante");
    return names;
}
const std::vector<std::string> kCues = cuesToTime();

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::size_t outputSize() {
    std::ifstream in(kOutput, std::ios::binary | std::ios::ate);
    return in ? static_cast<std::size_t>(in.tellg()) : 0;
}

// Whether a non-zero sample has been written at or after byte `from`.
bool soundAfter(std::size_t from) {
    std::ifstream in(kOutput, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<char> rest((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return std::any_of(rest.begin(), rest.end(), [](char c) { return c != 0; });
}

struct Trial {
    double returnMicros;
    double onsetMillis; // negative: never heard
};

template <typename Call> Trial timeCall(Call call) {
    const std::size_t before = outputSize();
    const auto start = Clock::now();
    call();
    const auto returned = Clock::now();
    double onset = -1;
    while (Clock::now() - start < kOnsetWait) {
        if (soundAfter(before)) {
            onset = millis(Clock::now() - start);
            break;
        }
        std::this_thread::sleep_for(kPoll);
    }
    std::this_thread::sleep_for(kSettle);
    return {micros(returned - start), onset};
}

void printRow(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("  %-44s median %8.1f  max %8.1f %s  (n=%zu)\n", what, values[values.size() / 2],
                values.back(), unit, values.size());
}

void withDiskDriver() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", kOutput, 1);
    const auto start = Clock::now();
    SdlSoundPlayer player;
    const auto constructed = Clock::now();
    const bool ready = player.waitUntilReady(kReadyWait);
    std::printf("disk driver (output %s)\n", kOutput);
    std::printf("  player construction on the calling thread   %8.1f us\n",
                micros(constructed - start));
    std::printf("  SDL loaded, device open on the player's thread %5.1f ms (%s)\n",
                millis(Clock::now() - start), ready ? "ready" : "UNAVAILABLE");
    if (!ready)
        return;

    SteadyClock clock;
    ClockSeededRandom random(clock);
    Audio audio(player, random, FRAZIONI_PROGRAM_DIR);
    std::vector<double> coldReturn, coldOnset, warmReturn, warmOnset, rightReturn, rightOnset;
    for (const std::string& cue : kCues) {
        const Trial t = timeCall([&] { audio.suona(cue); });
        coldReturn.push_back(t.returnMicros);
        coldOnset.push_back(t.onsetMillis);
    }
    for (int round = 0; round < kWarmRounds; ++round) {
        const Trial t = timeCall([&] { audio.suona(kCues[round % kCues.size()]); });
        warmReturn.push_back(t.returnMicros);
        warmOnset.push_back(t.onsetMillis);
        const Trial r = timeCall([&] { audio.suonaesatto(cues::kEsatto[0]); });
        rightReturn.push_back(r.returnMicros);
        rightOnset.push_back(r.onsetMillis);
    }
    std::printf("  (the cues and a missing file, \"mancante\", which plays the default sound)\n");
    printRow("suona returns, first call of each cue", coldReturn, "us");
    printRow("suona returns, later calls", warmReturn, "us");
    printRow("suonaesatto returns", rightReturn, "us");
    printRow("call to first samples out, first calls", coldOnset, "ms");
    printRow("call to first samples out, later calls", warmOnset, "ms");
    printRow("call to first samples out, suonaesatto", rightOnset, "ms");

    std::vector<double> burst;
    for (int i = 0; i < kQuickCalls; ++i) {
        const auto before = Clock::now();
        audio.suona(kCues[static_cast<std::size_t>(i) % kCues.size()]);
        burst.push_back(micros(Clock::now() - before));
    }
    printRow("suona returns, 1000 calls back to back", burst, "us");
}

void withoutDevice(const char* title, bool forceMissingDriver) {
    if (forceMissingDriver)
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    const auto start = Clock::now();
    SdlSoundPlayer player;
    const auto constructed = Clock::now();
    const bool ready = player.waitUntilReady(kReadyWait);
    const auto settled = Clock::now();
    SteadyClock clock;
    ClockSeededRandom random(clock);
    Audio audio(player, random, FRAZIONI_PROGRAM_DIR);
    std::vector<double> returns;
    for (int i = 0; i < kQuickCalls; ++i) {
        const auto before = Clock::now();
        audio.suona(cues::kPremivia);
        returns.push_back(micros(Clock::now() - before));
    }
    std::printf("%s\n", title);
    std::printf("  player construction on the calling thread   %8.1f us\n",
                micros(constructed - start));
    std::printf("  device search on the player's thread        %8.1f ms (%s)\n",
                millis(settled - start), ready ? "a device opened" : "no device");
    printRow("suona returns", returns, "us");
}

} // namespace

int main() {
    withDiskDriver();
    withoutDevice("no such driver (SDL_AUDIODRIVER=no-such-driver)", true);
    withoutDevice("this machine's own drivers, none forced", false);
    return 0;
}
