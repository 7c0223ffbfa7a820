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
        // Each text lies on screen (a few controls reach past it by design) and fits
        // its control (boxes and buttons keep a margin of their own).
        auto textsFit = [&](int row) {
            for (const Form1ControlDesign& d : form1Design()) {
                const QWidget* w = h.window.control(d.id);
                const int text = w->fontMetrics().horizontalAdvance(h.text(d.id).trimmed());
                QVERIFY2(
                    !w->isVisible() ||
                        (w->x() + std::min(w->width(), text) <= w->parentWidget()->width() + 1 &&
                         text + (d.kind == ControlKind::Label ? 0 : 4) <= w->width() + 1),
                    qPrintable(QString("%1 in question %2").arg(d.name.data()).arg(row)));
            }
        };
        // The number pad covers nothing else (the feedback message shows in an answer's
        // pause), its keys at least as tall as VIA and at least a key's height above FINE
        // and CLASSIFICA, where a tap a little low would end the exercise.
        auto onWindow = [&](Ctl id) {
            const QWidget* w = h.window.control(id);
            return QRect(w->mapTo(&h.window, QPoint()), w->size());
        };
        auto padClear = [&] {
            for (Ctl key : kTastierino)
                for (const Form1ControlDesign& d : form1Design()) {
                    const QRect k = onWindow(key), other = onWindow(d.id);
                    const bool bar = d.id == Ctl::FINE || d.id == Ctl::Command1;
                    QVERIFY2(!h.visible(key) ||
                                 (k.height() >= onWindow(Ctl::VIA).height() &&
                                  (!h.visible(d.id) || std::ranges::count(kTastierino, d.id) ||
                                   !k.intersects(other)) &&
                                  (!bar || other.top() - k.bottom() - 1 >= k.height())),
                             qPrintable(QString("%1 over %2").arg(h.text(key), d.name.data())));
                }
        };
        h.pause.during = [&] {
            textsFit(-2);
            padClear();
        };
        for (int row = -1; row < Modulo1::kQuestions && !QTest::currentTestFailed(); ++row) {
            if (row >= 0) {
                h.putQuestion(row);
                checkFigures(h);
            }
            textsFit(row);
            padClear();
            if (const QString shots = qEnvironmentVariable("FRAZIONI_SHOTS"); !shots.isEmpty())
                h.window.grab().save(
                    QString("%1/%2-%3.png").arg(shots, h.window.screen()->name()).arg(row));
            // A wrong answer: its pause shows the message. No series ends here.
            if (const auto box = h.window.logic().stage().focus)
                h.type(*box, "999");
            h.window.modulo().nrisposte = 0;
        }
    }
};

QTEST_MAIN(TestOddScreens)
#include "tst_odd_screens.moc"
