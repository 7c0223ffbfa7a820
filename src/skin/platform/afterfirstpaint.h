// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// Runs a task once the first repaint pass of any window of the program is
// over and the window is on screen, when the event loop has nothing more
// urgent to do; should no window be painted (one never exposed), `latest`
// after the event loop starts. The program opens its sound device this way,
// so that nothing of the sound system slows its first window.
class AfterFirstPaint final : public QObject {
  public:
    AfterFirstPaint(std::function<void()> task, std::chrono::milliseconds latest);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override;

  private:
    void run();

    std::function<void()> task_;
};
