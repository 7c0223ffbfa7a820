// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the real screen the offscreen platform was given (HiDPI, 5:4,
// 4K, portrait, all at 96 dpi). FRAZIONI_SHOTS=<folder> also saves pictures.
#include "../forms/windowharness.h"
#include "core/exercise/tastierino.h"
#include "skin/forms/fonts.h"
#include "skin/platform/qtscreen.h"

#include <QPixmapCache>
#include <QScreen>

class TestOddScreens : public QObject {
    Q_OBJECT
  private slots:
    void windowFillsTheScreenTextsFitAndFiguresStayCountable() {
        prepareApplication(); // as the program runs, its picture cache kept small
        QVERIFY(QPixmapCache::cacheLimit() <= 256);
        const QtScreen screen;
        const QRect real = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(QSizeF(screen.widthTwips(), screen.heightTwips()), QSizeF(real.size()) * 15.0);
        WindowHarness h(0, 0, 3, nullptr, &screen, nullptr, {.pad = PadMode::Always});
        QCOMPARE(h.window.geometry(), real);
        for (int row = -1; row < Modulo1::kQuestions && !QTest::currentTestFailed(); ++row) {
            if (row >= 0) {
                h.putQuestion(row);
                checkFigures(h);
            }
            // Each text lies on screen (a few controls reach past it by design) and fits
            // its control (boxes and buttons keep a margin of their own).
            for (const Form1ControlDesign& d : form1Design()) {
                const QWidget* w = h.window.control(d.id);
                const int text = w->fontMetrics().horizontalAdvance(h.text(d.id).trimmed());
                QVERIFY2(
                    !w->isVisible() ||
                        (w->x() + std::min(w->width(), text) <= w->parentWidget()->width() + 1 &&
                         text + (d.kind == ControlKind::Label ? 0 : 4) <= w->width() + 1),
                    qPrintable(QString("%1 in question %2").arg(d.name.data()).arg(row)));
            }
            // The number pad covers nothing else, its keys at least as tall as VIA.
            auto onWindow = [&](Ctl id) {
                const QWidget* w = h.window.control(id);
                return QRect(w->mapTo(&h.window, QPoint()), w->size());
            };
            for (Ctl key : kTastierino)
                for (const Form1ControlDesign& d : form1Design())
                    QVERIFY2(!h.visible(key) ||
                                 (onWindow(key).height() >= onWindow(Ctl::VIA).height() &&
                                  (!h.visible(d.id) || std::ranges::count(kTastierino, d.id) ||
                                   !onWindow(key).intersects(onWindow(d.id)))),
                             qPrintable(QString("%1 over %2").arg(h.text(key), d.name.data())));
            if (const QString shots = qEnvironmentVariable("FRAZIONI_SHOTS"); !shots.isEmpty())
                h.window.grab().save(
                    QString("%1/%2-%3.png").arg(shots, h.window.screen()->name()).arg(row));
        }
    }
};

QTEST_MAIN(TestOddScreens)
#include "tst_odd_screens.moc"
