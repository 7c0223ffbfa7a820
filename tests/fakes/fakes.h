// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test doubles for the platform services; the real generator, ClockSeededRandom,
// is used as it is, with a fixed seed.

#include "core/platform/clock.h"
#include "core/platform/pause.h"
#include "core/platform/random.h"
#include "core/platform/screen.h"
#include "core/platform/speech.h"
#include "core/sound/audio.h"
#include "core/sound/soundplayer.h"

#include <functional>
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

// Runs `during` as if the pause held the program, then moves the clock on.
class FakePause final : public Pause {
  public:
    explicit FakePause(FakeClock& clock) : clock_(clock) {}
    void wait(double seconds) override {
        ++count;
        if (during)
            during();
        clock_.advance(seconds);
    }
    std::function<void()> during;
    int count = 0;

  private:
    FakeClock& clock_;
};

class FakeScreen final : public Screen {
  public:
    FakeScreen(int widthPx, int heightPx) : width_(widthPx), height_(heightPx) {}
    double widthTwips() const override { return width_ * 15.0; }
    double heightTwips() const override { return height_ * 15.0; }
    double twipsPerPixel() const override { return 15; }

  private:
    int width_;
    int height_;
};

// Notes the files of each cue, in the order a player tries them, " or " between.
class FakePlayer final : public SoundPlayer {
  public:
    void play(const std::vector<std::string>& paths) override {
        std::string files;
        for (const std::string& path : paths)
            files += (files.empty() ? "" : " or ") + path;
        played.push_back(files);
    }
    std::vector<std::string> played;
};

// Notes what the window asks of the voice: "prepare", "say:<text>", "stop";
// `speaking` holds the text being said until a stop.
class FakeSpeech final : public Speech {
  public:
    // `voice`: whether the engine, once prepared, offers an Italian voice.
    explicit FakeSpeech(bool voice = true) : voice_(voice) {}
    bool available() const override { return available_; }
    // The engine is made at once.
    void prepare() override {
        log.push_back("prepare");
        available_ = voice_;
        availabilityChanged();
    }
    void say(const std::string& text) override {
        log.push_back("say:" + text);
        speaking = text;
    }
    void stop() override {
        log.push_back("stop");
        speaking.clear();
    }
    std::vector<std::string> log;
    std::string speaking;

  private:
    bool voice_;
    bool available_ = false;
};

// The fake services of a harness: a clock, the real generator seeded on it (or a scripted
// one for the sounds), a pause, a screen of `widthPx` x `heightPx`, and the sounds.
struct FakeServices {
    FakeServices(unsigned seed, int widthPx, int heightPx, Random* scripted = nullptr)
        : random(clock, seed), pause(clock), screen(widthPx, heightPx),
          audio(player, scripted ? *scripted : random, "/app") {}
    FakeClock clock;
    ClockSeededRandom random;
    FakePause pause;
    FakeScreen screen;
    FakePlayer player;
    Audio audio;
};
