// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/eventlooppause.h"

#include "core/platform/clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
// The pause sleeps in slices and reads its clock after each, so it ends by the
// clock it was given, whatever the timers of the system do.
constexpr double kSliceSeconds = 0.1;
} // namespace

bool isUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

EventLoopPause::EventLoopPause(const Clock& clock) : clock_(clock) {}

void EventLoopPause::wait(double seconds) {
    const double end = clock_.seconds() + seconds;
    active_ = true;
    QCoreApplication::instance()->installEventFilter(this);
    for (double left = end - clock_.seconds(); left > 0; left = end - clock_.seconds()) {
        QEventLoop loop;
        bool timedOut = false;
        QTimer::singleShot(static_cast<int>(std::ceil(std::min(left, kSliceSeconds) * 1000)),
                           Qt::PreciseTimer, &loop, [&] {
                               timedOut = true;
                               loop.quit();
                           });
        loop.exec();
        // Someone else ended the loop: the program is closing, stop waiting.
        if (!timedOut)
            break;
    }
    QCoreApplication::instance()->removeEventFilter(this);
    active_ = false;
}

bool EventLoopPause::eventFilter(QObject* watched, QEvent* event) {
    if (active_ && isUserInput(event))
        return true;
    return QObject::eventFilter(watched, event);
}
