// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Seconds with fractions, read from a clock that only ever moves forward.
// Every user of the clock works with differences of two readings (how long a
// question or a series has lasted, when a pause is over), so a monotonic clock
// keeps those differences right across midnight and across changes of the
// wall-clock time.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
};

// The real clock: std::chrono::steady_clock, counted from the moment it was made.
class SteadyClock final : public Clock {
  public:
    SteadyClock();
    double seconds() const override;

  private:
    long long origin_ns_;
};
