// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/forms/fonts.h"

#include "skin/forms/controls.h"

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
    // Every control shows its design's font; the application's own is what a
    // text box lays its empty text out with when it is made. Being the designs'
    // face too, it opens no other font file than the ones the window shows.
    QApplication::setFont(toQFont(FontDesign{}, FontDesign{}.size));
}
