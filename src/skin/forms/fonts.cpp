#include "skin/forms/fonts.h"

#include <QApplication>
#include <QFont>

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("frazioni"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setCursorFlashTime(0);
    installFontSubstitutes();
}
