// SPDX-License-Identifier: GPL-3.0-or-later
// Saves pictures of the exercise window at 1024 x 768 with a segment question,
// a one-rectangle question and a three-rectangle question on it, to look at
// the figures as the pupil sees them. Usage: figureshots <folder>
#include "../forms/windowharness.h"
#include "skin/forms/fonts.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Shot {
    int question;
    const char* file;
};

constexpr Shot kShots[] = {
    {5, "figures-segments.png"}, // "Clicca sul segmento che ha 10 unità frazionarie."
    {26, "figures-kind5.png"},   // one rectangle, 4 x 8 units
    {39, "figures-kind6.png"},   // three rectangles, 3 x 8, 8 x 3 and 3 x 5 units
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFontSubstitutes();
    if (argc != 2) {
        std::fprintf(stderr, "usage: figureshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const Shot& shot : kShots) {
        WindowHarness h(kWidth, kHeight);
        h.putQuestion(shot.question);
        QApplication::processEvents();
        const QString path = folder.filePath(QString::fromLatin1(shot.file));
        if (!h.window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
