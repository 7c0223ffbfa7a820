// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/afterfirstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

AfterFirstPaint::AfterFirstPaint(std::function<void()> task, std::chrono::milliseconds latest)
    : task_(std::move(task)) {
    QCoreApplication::instance()->installEventFilter(this);
    QTimer::singleShot(latest, this, [this] { run(); });
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Delivered after the rest of the pass and whatever else is waiting.
        QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
    }
    return QObject::eventFilter(watched, event);
}

void AfterFirstPaint::customEvent(QEvent*) {
    run();
}

void AfterFirstPaint::run() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (task_)
        std::exchange(task_, nullptr)();
}
