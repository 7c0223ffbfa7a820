// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/clock.h"

#include <chrono>

namespace {
long long steadyNow() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

SteadyClock::SteadyClock() : origin_ns_(steadyNow()) {}

double SteadyClock::seconds() const {
    return static_cast<double>(steadyNow() - origin_ns_) / 1e9;
}
