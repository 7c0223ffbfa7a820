// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The voice that reads the questions aloud. Every call returns at once: the
// engine is made, speaks and stops in its own time, so speech never holds the
// window up. The real one loads its engine only when first asked to; tests put
// in one that notes what it was asked.
class Speech {
  public:
    virtual ~Speech() = default;

    // False once speech proved impossible on this machine (no engine, no
    // Italian voice, an engine error); true until then, also while it loads.
    virtual bool available() const = 0;
    // Starts making the engine, if nobody has yet.
    virtual void prepare() = 0;
    // Stops what is being said and says `text` from its beginning; while the
    // engine is still being made, it is said as soon as the engine is ready.
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
