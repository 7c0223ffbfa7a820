// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/clock.h"
#include "core/platform/pause.h"
#include "core/platform/random.h"
#include "core/platform/screen.h"
#include "core/platform/speech.h"
#include "core/sound/soundplayer.h"

#include <functional>
#include <string>
#include <vector>

// The browser's services behind the interfaces the core asks for. The page's
// script (shell.js) does the browser's part: each service here calls one
// function of its object `frazioni`.

// performance.now(), which only moves forward.
class PageClock final : public Clock {
  public:
    double seconds() const override;
};

// The browser's own generator, Math.random(), which needs no seed: reseeding
// from the clock does nothing.
class PageRandom final : public Random {
  public:
    void randomize() override {}
    double next() override;
};

// The browser's viewport, in CSS pixels of 15 twips each (96 to the inch).
class PageScreen final : public Screen {
  public:
    double widthTwips() const override;
    double heightTwips() const override;
    double twipsPerPixel() const override;
    int widthPixels() const;
    int heightPixels() const;
};

// The feedback pause. A page has one thread and must not block it: the wait
// gives the browser its thread back in short slices (ASYNCIFY unwinds the
// stack and resumes it from a timer), so the page keeps painting, and runs
// `meanwhile` after each slice for what must not wait (a change of size).
// The page's script drops the pupil's input while it lasts.
class PagePause final : public Pause {
  public:
    PagePause(const Clock& clock, std::function<void()> meanwhile);
    void wait(double seconds) override;

  private:
    const Clock& clock_;
    std::function<void()> meanwhile_;
};

// Gives the browser its thread back for about `ms` milliseconds.
void yieldToBrowser(int ms);

// Web Audio, through the page's script: the cue files are inside the page,
// named by their base name.
class PageSoundPlayer final : public SoundPlayer {
  public:
    void play(const std::vector<std::string>& paths) override;
};

// The browser's own voices (speechSynthesis), with an Italian voice only.
// Available once the browser lists an Italian voice; until then the
// loudspeaker stays hidden, so it never shows on a browser without one.
class PageSpeech final : public Speech {
  public:
    bool available() const override;
    void prepare() override;
    void say(const std::string& text) override;
    void stop() override;
    // The browser's list of voices changed.
    void voicesChanged();

  private:
    bool available_ = false;
};
