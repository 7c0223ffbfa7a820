// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs the results window after a record and after a poor series, as PNG
// files for the documentation. Run it on a real display or under xvfb-run:
//   results_screenshots <folder>
#include "core/exercise/modulo1.h"
#include "fakes/fakes.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTest>

#include <cstdio>

namespace {

constexpr double kTpp = 15;

bool grab(Modulo1& m, FakeClock& clock, Giudizio giudizio, double seconds, const QString& path) {
    m.giudizio = giudizio;
    m.temposerie = clock.seconds();
    clock.advance(seconds);
    ClassificaWindow window(m, clock, kTpp);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    // Grab while the grade word is in its "on" half of the blink.
    auto* risultato = window.findChild<QLabel*>(QStringLiteral("RISULTATO"));
    for (int i = 0; i < 50 && risultato->isHidden(); ++i)
        QTest::qWait(10);
    return window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFontSubstitutes();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    // A morning's run: a few series already graded, then a record.
    Modulo1 m;
    m.record = 200;
    FakeClock clock;
    m.nottimo = 2;
    m.record = 52.4;
    m.ndistinto = 3;
    m.nbuono = 1;
    m.nsufficiente = 1;
    bool ok =
        grab(m, clock, Giudizio::Ottimo, 38.76, out.filePath(QStringLiteral("results-record.png")));

    // The run goes on with a poor series: the tally grows, the record stays.
    m.noccorre = 1;
    ok = grab(m, clock, Giudizio::Occorre, 140, out.filePath(QStringLiteral("results-poor.png"))) &&
         ok;
    std::puts(ok ? "saved results-record.png and results-poor.png" : "could not grab");
    return ok ? 0 : 1;
}
