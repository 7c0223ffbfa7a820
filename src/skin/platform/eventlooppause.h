// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/pause.h"

#include <QObject>

class Clock;

// The real feedback pause. It runs the event loop until the clock says the time
// is up, so the window keeps painting (the message and the orange background
// really show) while the processor stays idle; meanwhile it drops every
// keystroke and click the pupil makes, so none is replayed after the pause.
class EventLoopPause final : public QObject, public Pause {
    Q_OBJECT
  public:
    explicit EventLoopPause(const Clock& clock);
    void wait(double seconds) override;

    // True while a pause is under way.
    bool active() const { return active_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const Clock& clock_;
    bool active_ = false;
};

// True for the events that come from the pupil's keyboard, mouse or touch.
bool isUserInput(const QEvent* event);
