// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test doubles for the platform services: a clock that moves only when told,
// a pause that moves it on, a screen of any size, a generator with a fixed
// seed and a player that only remembers what it was asked to play.

#include "core/platform/clock.h"
#include "core/platform/pause.h"
#include "core/platform/random.h"
#include "core/platform/screen.h"
#include "core/sound/soundplayer.h"

#include <string>
#include <vector>

class FakeClock final : public Clock {
  public:
    explicit FakeClock(double start = 1000) : now_(start) {}
    double seconds() const override { return now_; }
    void advance(double s) { now_ += s; }
    void set(double s) { now_ = s; }

  private:
    double now_;
};

// Returns at once, moving the fake clock on by the length of the pause.
class FakePause final : public Pause {
  public:
    explicit FakePause(FakeClock& clock) : clock_(clock) {}
    void wait(double seconds) override {
        ++count;
        clock_.advance(seconds);
    }
    int count = 0;

  private:
    FakeClock& clock_;
};

class FakeScreen final : public Screen {
  public:
    FakeScreen(int widthPx, int heightPx, double twipsPerPixel = 15)
        : width_(widthPx), height_(heightPx), tpp_(twipsPerPixel) {}
    double widthTwips() const override { return width_ * tpp_; }
    double heightTwips() const override { return height_ * tpp_; }
    double twipsPerPixel() const override { return tpp_; }
    void resize(int widthPx, int heightPx) {
        width_ = widthPx;
        height_ = heightPx;
    }

  private:
    int width_;
    int height_;
    double tpp_;
};

class FakePlayer final : public SoundPlayer {
  public:
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

// A real generator with a fixed seed, reseeded from the fake clock.
class SeededRandom final : public Random {
  public:
    SeededRandom(const Clock& clock, unsigned seed) : inner_(clock, seed) {}
    void randomize() override { inner_.randomize(); }
    double next() override { return inner_.next(); }

  private:
    ClockSeededRandom inner_;
};
