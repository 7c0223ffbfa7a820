// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A child at the keyboard and on the screen: random keys from every key a
// child can reach, random clicks and taps anywhere on the screen but on FINE,
// now and then a right answer so that series and passes come to their end.
// Input goes through the window system's path, as real input does, so modal
// blocking, focus and the pause's filter all apply. The pause and the results
// window hold the program inside a call; input goes on there too, from hooks.

#include "core/platform/clock.h"
#include "skin/forms/form1window.h"
#include "skin/platform/eventlooppause.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <random>

class QDialog;
class QPointingDevice;
class FakeClock;

// The real pause, shortened: the program's own event-loop pause for a couple
// of milliseconds, with a hook run while it holds the program.
class ShortPause final : public Pause {
  public:
    // `logicClock`, when given, is moved on by the full length of each pause.
    explicit ShortPause(FakeClock* logicClock = nullptr);
    void wait(double seconds) override;

    bool active() const { return real_.active(); }
    std::function<void()> during;
    int count = 0;

  private:
    SteadyClock clock_;
    EventLoopPause real_;
    FakeClock* logicClock_;
};

class Monkey : public QObject {
  public:
    enum class Hold { None, Pause, Results };
    // Called after every event with what held the program when it was sent.
    using Check = std::function<void(Hold)>;

    Monkey(Form1Window& window, ShortPause& pause, unsigned seed);
    ~Monkey() override;

    // Sends `events` events from the start screen on; stops early once
    // stop() is called. Returns the number of events sent.
    int run(int events, Check check);
    void stop() { stopped_ = true; }

    // Called as a results window appears, before any input reaches it.
    std::function<void(QDialog*)> onResults;

    // The last events, oldest first, for replaying a failure.
    QString lastEvents() const;
    // The results window now open, if any.
    QDialog* results() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step(Hold hold);
    void duringPause();
    void duringResults(QPointer<QDialog> dialog);

    void pressKey();
    void typeDigits();
    void clickAnywhere(bool touch);
    void clickControl(Ctl id, bool touch = false);
    void answerRight();
    void sendKey(int key, Qt::KeyboardModifiers mods, const QString& text, bool repeat = false);
    void sendClick(QWindow* window, QPoint at, Qt::MouseButton button);
    void sendTap(QWindow* window, QPoint at);
    QWindow* windowAt(QPoint screen, QPoint& local) const;
    void note(const QString& event);
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    Form1Window& window_;
    ShortPause& pause_;
    unsigned seed_;
    std::mt19937 random_;
    QPointingDevice* touchScreen_;
    Check check_;
    int budget_ = 0;
    int sent_ = 0;
    bool stopped_ = false;
    std::deque<QString> last_;
};
