// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchtools.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <sys/resource.h>

double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double epochSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

PaintWatch::PaintWatch(QWidget* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void PaintWatch::arm() {
    armed_ = true;
    painted_ = false;
}

bool PaintWatch::waitPainted(int timeoutMs) {
    if (painted_)
        return true;
    QEventLoop loop;
    loop_ = &loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    loop_ = nullptr;
    return painted_;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (armed_ && event->type() == QEvent::Paint) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_) {
            armed_ = false;
            // The rest of the pass (the other controls, the flush) runs before
            // the event loop takes the next queued call.
            QTimer::singleShot(0, this, [this] {
                paintedAt_ = steadySeconds();
                painted_ = true;
                if (loop_ != nullptr)
                    loop_->quit();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void MeasuredPause::wait(double seconds) {
    const double cpu0 = processCpuSeconds();
    const double t0 = steadySeconds();
    real_.wait(seconds);
    endedAt_ = steadySeconds();
    cpu_ = processCpuSeconds() - cpu0;
    wall_ = endedAt_ - t0;
    ++count_;
    if (onEnd_)
        onEnd_();
}
