// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/forms/fonts.h"

#include <QApplication>
#include <QFont>
#include <QPixmapCache>

namespace {
// The style keeps the pictures of its buttons and boxes, one for every size,
// state and colour it has drawn. Its default of 10 MiB filled up over a
// morning of clicks and stayed; these few controls redraw at no visible cost.
constexpr int kPixmapCacheKiB = 256;
} // namespace

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("frazioni"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setCursorFlashTime(0);
    QPixmapCache::setCacheLimit(kPixmapCacheKiB);
    installFontSubstitutes();
}
