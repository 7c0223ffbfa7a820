// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/random.h"

#include "core/platform/clock.h"

#include <cmath>
#include <cstring>

ClockSeededRandom::ClockSeededRandom(const Clock& clock, std::uint64_t seed)
    : clock_(clock), engine_(seed) {}

void ClockSeededRandom::randomize() {
    // The reading's bits as they are (memcpy where std::bit_cast is missing
    // from the web build's standard library).
    const double seconds = clock_.seconds();
    std::uint64_t reading = 0;
    static_assert(sizeof reading == sizeof seconds);
    std::memcpy(&reading, &seconds, sizeof reading);
    engine_.seed(engine_() ^ reading);
}

double ClockSeededRandom::next() {
    double x;
    do {
        // 53 random bits make every double of [0, 1) with step 2^-53 equally likely.
        x = std::ldexp(static_cast<double>(engine_() >> 11), -53);
    } while (x == last_);
    last_ = x;
    return x;
}
