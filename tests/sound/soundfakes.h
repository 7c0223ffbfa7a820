#pragma once

// Test doubles for the sound tests: generators that give chosen values.

#include "platform/random.h"

#include <cstddef>
#include <string>
#include <vector>

// Gives the listed values in turn and records the order of the calls, so a
// test can see that each draw is preceded by a reseed.
class ScriptedRandom final : public Random {
  public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    void randomize() override { calls += 'r'; }
    double next() override {
        calls += 'n';
        return values_[position_++ % values_.size()];
    }
    std::string calls;

  private:
    std::vector<double> values_;
    std::size_t position_ = 0;
};

// Wraps a fair generator and squeezes its values into [0, share), as a
// slightly broken generator would: the last cue comes up too rarely.
class SqueezedRandom final : public Random {
  public:
    SqueezedRandom(Random& fair, double share) : fair_(fair), share_(share) {}
    void randomize() override { fair_.randomize(); }
    double next() override { return fair_.next() * share_; }

  private:
    Random& fair_;
    double share_;
};
