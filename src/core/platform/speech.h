// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The voice that reads the questions aloud. Every call returns at once: the
// engine is made, speaks and stops in its own time, so speech never holds the
// window up. The real one makes its engine once the window is on screen and
// offers itself only when an Italian voice is there; tests put in one that
// notes what it was asked.
class Speech {
  public:
    virtual ~Speech() = default;

    // True once the engine is made and offers an Italian voice; false before,
    // while it is being made, and once speech proved impossible on this machine
    // (no engine, no Italian voice, an engine error).
    virtual bool available() const = 0;
    // Starts making the engine, if nobody has yet.
    virtual void prepare() = 0;
    // Stops what is being said and says `text` from its beginning; while the
    // engine is still being made, it is said as soon as the engine is ready,
    // and once speech proved impossible, not at all.
    virtual void say(const std::string& text) = 0;
    // Stops at once what is being said or waits to be said.
    virtual void stop() = 0;

    // Run on the window's thread whenever available() may have changed.
    void setOnAvailabilityChanged(std::function<void()> callback) {
        onAvailabilityChanged_ = std::move(callback);
    }

  protected:
    void availabilityChanged() const {
        if (onAvailabilityChanged_)
            onAvailabilityChanged_();
    }

  private:
    std::function<void()> onAvailabilityChanged_;
};
