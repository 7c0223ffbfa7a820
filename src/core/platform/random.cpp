// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/random.h"

#include "core/platform/clock.h"

#include <bit>
#include <cmath>

ClockSeededRandom::ClockSeededRandom(const Clock& clock, std::uint64_t seed)
    : clock_(clock), engine_(seed) {}

void ClockSeededRandom::randomize() {
    const auto reading = std::bit_cast<std::uint64_t>(clock_.seconds());
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
