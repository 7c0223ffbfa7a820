// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/qtscreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kFallbackDpi = 96;

// The screen the program's window is on (a results window sits on the same),
// or the primary screen before the window shows.
QScreen* current() {
    const auto windows = QGuiApplication::topLevelWindows();
    for (const QWindow* w : windows)
        if (w->isVisible() && w->type() == Qt::Window && w->screen() != nullptr)
            return w->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

double QtScreen::twipsPerPixel() const {
    const QScreen* s = current();
    const double dpi =
        s != nullptr && s->logicalDotsPerInch() > 0 ? s->logicalDotsPerInch() : kFallbackDpi;
    return kTwipsPerInch / dpi;
}

double QtScreen::widthTwips() const {
    const QScreen* s = current();
    return (s != nullptr ? s->geometry().width() : 800) * twipsPerPixel();
}

double QtScreen::heightTwips() const {
    const QScreen* s = current();
    return (s != nullptr ? s->geometry().height() : 600) * twipsPerPixel();
}
