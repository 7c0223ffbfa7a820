// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/systemplatform.h"

#include "skin/sound/systemplayer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <functional>
#include <utility>

namespace {

// Should no window be painted (one that is never exposed), the sound still
// opens this long after the event loop starts.
constexpr std::chrono::milliseconds kLatestOpen{1000};

// Runs a task once the first repaint pass of any window of the program is
// over and the window is on screen, when the event loop has nothing more
// urgent to do; or after kLatestOpen without a paint.
class AfterFirstPaint final : public QObject {
  public:
    explicit AfterFirstPaint(std::function<void()> task) : task_(std::move(task)) {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLatestOpen, this, [this] { run(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Delivered after the rest of the pass and whatever else is waiting.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
        }
        return QObject::eventFilter(watched, event);
    }
    void customEvent(QEvent*) override { run(); }

  private:
    void run() {
        QCoreApplication::instance()->removeEventFilter(this);
        if (task_)
            std::exchange(task_, nullptr)();
    }

    std::function<void()> task_;
};

} // namespace

SystemPlatform::SystemPlatform()
    : random_(clock_), pause_(clock_), player_(makeSystemSoundPlayer()),
      audio_(*player_, random_, QCoreApplication::applicationDirPath().toStdString()),
      soundOpener_(
          std::make_unique<AfterFirstPaint>([player = player_.get()] { player->open(); })) {}

PlatformServices SystemPlatform::services() {
    return {clock_, random_, pause_, screen_, audio_};
}
