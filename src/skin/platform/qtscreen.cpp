// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/qtscreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kFallbackDpi = 96;

QScreen* primary() {
    return QGuiApplication::primaryScreen();
}

} // namespace

double QtScreen::twipsPerPixel() const {
    const QScreen* s = primary();
    const double dpi =
        s != nullptr && s->logicalDotsPerInch() > 0 ? s->logicalDotsPerInch() : kFallbackDpi;
    return kTwipsPerInch / dpi;
}

double QtScreen::widthTwips() const {
    const QScreen* s = primary();
    return (s != nullptr ? s->geometry().width() : 800) * twipsPerPixel();
}

double QtScreen::heightTwips() const {
    const QScreen* s = primary();
    return (s != nullptr ? s->geometry().height() : 600) * twipsPerPixel();
}
