// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/pause.h"

#include <QObject>

#include <functional>

class QEventLoop;
class QWidget;

// Seconds on the steady clock, for measuring intervals inside the process.
double steadySeconds();
// Seconds since the epoch, to compare with a time taken by the shell that
// started the process.
double epochSeconds();
// Processor time (user and system, all threads) this process has used so far.
double processCpuSeconds();

// Notices when a window is next painted: the first paint event of the window
// or of one of its controls after arm(), and the moment that repaint pass is
// over (the next turn of the event loop, after the pass has been flushed).
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget* window);
    ~PaintWatch() override;

    void arm();
    // Runs the event loop until the window has been painted since arm();
    // false if it was not within the time allowed.
    bool waitPainted(int timeoutMs = 5000);
    // Steady seconds at which the repaint pass was over.
    double paintedAt() const { return paintedAt_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QEventLoop* loop_ = nullptr;
    bool armed_ = false;
    bool painted_ = false;
    double paintedAt_ = 0;
};

// The real pause with a stopwatch around it: the wall time and the processor
// time of the last wait, and a hook run the moment the wait is over.
class MeasuredPause final : public Pause {
  public:
    explicit MeasuredPause(Pause& real) : real_(real) {}
    void wait(double seconds) override;

    void onEnd(std::function<void()> hook) { onEnd_ = std::move(hook); }
    double lastWall() const { return wall_; }
    double lastCpu() const { return cpu_; }
    double endedAt() const { return endedAt_; }
    int count() const { return count_; }

  private:
    Pause& real_;
    std::function<void()> onEnd_;
    double wall_ = 0;
    double cpu_ = 0;
    double endedAt_ = 0;
    int count_ = 0;
};
