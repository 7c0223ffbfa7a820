// SPDX-License-Identifier: GPL-3.0-or-later
// Reference pictures of the windows at 1024 x 768, compared with what the
// windows paint now. The comparison forgives the soft edges of anti-aliased
// text but not a control that moved, went missing or changed colour.
// FRAZIONI_REFRESH_REFERENCES=1 writes the pictures anew instead, on purpose.
#include "../forms/windowharness.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QDir>

namespace {

// Compares in blocks of 4 x 4 pixels: a block differs when the mean of a
// channel moved by more than 40; 0.2 % of the blocks may differ.
void compareWithReference(QWidget& window, const QString& name) {
    const QImage now = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QDir(REFERENCE_DIR).filePath(name + ".png");
    if (qEnvironmentVariableIntValue("FRAZIONI_REFRESH_REFERENCES") == 1)
        QVERIFY(now.save(path));
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(reference.size(), now.size());
    int differing = 0;
    for (int by = 0; by + 4 <= now.height(); by += 4)
        for (int bx = 0; bx + 4 <= now.width(); bx += 4) {
            int sum[3] = {};
            for (int y = by; y < by + 4; ++y)
                for (int x = bx; x < bx + 4; ++x) {
                    const QRgb a = now.pixel(x, y);
                    const QRgb b = reference.pixel(x, y);
                    sum[0] += qRed(a) - qRed(b);
                    sum[1] += qGreen(a) - qGreen(b);
                    sum[2] += qBlue(a) - qBlue(b);
                }
            differing += std::any_of(sum, sum + 3, [](int s) { return std::abs(s) > 40 * 16; });
        }
    const QString saved = QDir::temp().filePath(name + "-now.png");
    if (differing > now.width() * now.height() / 16 / 500) {
        now.save(saved);
        QFAIL(qPrintable(
            QString("%1: %2 blocks differ; see %3").arg(name).arg(differing).arg(saved)));
    }
}

} // namespace

class TestVisual : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }
    void exerciseWindowMatchesItsReferences_data() {
        QTest::addColumn<int>("row"); // -1: the window at start-up
        QTest::newRow("start") << -1;
        QTest::newRow("kind1") << 0;
        QTest::newRow("kind2") << 3;
        QTest::newRow("kind3") << 12;
        QTest::newRow("kind4") << 19;
        QTest::newRow("kind5") << 25;
        QTest::newRow("kind6") << 30;
    }
    void exerciseWindowMatchesItsReferences() {
        QFETCH(int, row);
        WindowHarness h;
        if (row >= 0)
            h.putQuestion(row);
        compareWithReference(h.window, QTest::currentDataTag());
    }
    void resultsWindowMatchesItsReference() {
        FakeClock clock(500);
        Modulo1 m;
        m.record = kNessunRecord;
        m.nbuono = 2;
        m.giudizio = Giudizio::Ottimo;
        m.temposerie = 500 - 45.37;
        ClassificaWindow window(m, clock, 15);
        window.show();
        compareWithReference(window, "results-record");
    }
};

QTEST_MAIN(TestVisual)
#include "tst_visual.moc"
