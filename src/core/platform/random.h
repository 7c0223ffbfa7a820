// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

class Clock;

// Uniform random values in [0, 1), reseeded from the clock before each draw.
class Random {
  public:
    virtual ~Random() = default;
    // Mixes the clock into the generator's state.
    virtual void randomize() = 0;
    // The next value, uniform in [0, 1).
    virtual double next() = 0;
};

// The real generator. Reseeding folds the clock reading into the running
// state instead of replacing it, so two reseeds at the same clock reading
// still give different draws, and a draw never repeats the one before it:
// a loop that redraws until it finds a free question always ends.
class ClockSeededRandom final : public Random {
  public:
    explicit ClockSeededRandom(const Clock& clock, std::uint64_t seed = 0x5eed);
    void randomize() override;
    double next() override;

  private:
    const Clock& clock_;
    std::mt19937_64 engine_;
    double last_ = -1.0;
};
