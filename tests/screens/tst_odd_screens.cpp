// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the real screen the offscreen platform was given (HiDPI, 5:4,
// 4K, portrait, all at 96 dpi): it fills the screen, its texts fit their
// controls and the strips stay countable. With FRAZIONI_SHOTS set to a
// folder, it also saves what it showed there.
#include "../forms/windowharness.h"
#include "skin/forms/fonts.h"
#include "skin/platform/qtscreen.h"

#include <QDir>
#include <QScreen>

class TestOddScreens : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }
    void windowFillsTheScreenTextsFitAndStripsStayCountable() {
        const QtScreen screen;
        const QRect real = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(screen.twipsPerPixel(), 15.0);
        QCOMPARE(QSizeF(screen.widthTwips(), screen.heightTwips()), QSizeF(real.size()) * 15);
        WindowHarness h(0, 0, 3, nullptr, &screen);
        QCOMPARE(h.window.geometry(), real);
        for (int row : {-1, 24, 17, 5, 28, 39}) {
            if (row >= 0)
                h.putQuestion(row);
            for (const Form1ControlDesign& d : form1Design()) {
                const QWidget* w = h.window.control(d.id);
                const int text = w->fontMetrics().horizontalAdvance(h.text(d.id).trimmed());
                if (!w->isVisible() || text == 0)
                    continue;
                // The text lies on screen (a few controls reach past it by design), and
                // its control is wide enough for it (boxes and buttons have margins).
                QVERIFY2(w->x() + std::min(w->width(), text) <= w->parentWidget()->width() + 1 &&
                             text + (d.kind == ControlKind::Label ? 0 : 4) <= w->width() + 1,
                         d.name.data());
            }
            for (std::size_t i = 0; i < 3 && row >= 0 && row < 25; ++i)
                checkFigure(h.frame(kSegmentFrames[i]), std::array{8, 10, 6}[i], 0);
            const QString folder = qEnvironmentVariable("FRAZIONI_SHOTS");
            if (!folder.isEmpty() && (row == 24 || row == 39))
                h.window.grab().save(
                    QDir(folder).filePath(QString("screen-%1x%2-dpr%3-question%4.png")
                                              .arg(real.width())
                                              .arg(real.height())
                                              .arg(h.window.devicePixelRatio())
                                              .arg(row)));
        }
    }
};

QTEST_MAIN(TestOddScreens)
#include "tst_odd_screens.moc"
