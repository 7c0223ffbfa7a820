// SPDX-License-Identifier: GPL-3.0-or-later
// The program opens its sound device only once its first window is on screen. Pins a fault:
// SDL2 and the sound server's libraries were loaded before the first window, slowing it.
#include "skin/platform/afterfirstpaint.h"

#include <QLabel>
#include <QTest>

using namespace std::chrono_literals;

// A window that notes its paints.
class Window : public QLabel {
  public:
    Window() : QLabel("VIA") {}
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        QLabel::paintEvent(event);
    }
};

class AfterFirstPaintTest : public QObject {
    Q_OBJECT
  private slots:
    void theTaskRunsOnceAfterTheFirstPaintOnly() {
        Window window;
        int runs = 0, paintsBefore = -1;
        AfterFirstPaint after(
            [&] {
                ++runs;
                paintsBefore = window.paints;
            },
            1h);
        window.setText("FINE"); // events of a window not yet shown
        QTest::qWait(50);
        QCOMPARE(runs, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsBefore >= 1);
        window.repaint();
        QTest::qWait(50);
        QCOMPARE(runs, 1);
    }

    void withNoWindowPaintedTheTaskRunsAfterTheLatestWait() {
        int runs = 0;
        AfterFirstPaint after([&] { ++runs; }, 200ms);
        QTest::qWait(50);
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
    }
};

QTEST_MAIN(AfterFirstPaintTest)
#include "tst_afterfirstpaint.moc"
