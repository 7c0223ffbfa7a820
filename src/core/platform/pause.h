// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The feedback pause: returns when `seconds` have gone by on the clock.
// The real one keeps the window painted and drops the pupil's input meanwhile;
// tests put in one that only moves a fake clock on.
class Pause {
  public:
    virtual ~Pause() = default;
    virtual void wait(double seconds) = 0;
};
