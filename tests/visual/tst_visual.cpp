// SPDX-License-Identifier: GPL-3.0-or-later
// Reference pictures of the windows at 1024 x 768, compared with what the
// windows paint now. The comparison forgives the soft edges of anti-aliased
// text but not a control that moved, went missing or changed colour.
// FRAZIONI_REFRESH_REFERENCES=1 writes the pictures anew instead, on purpose.
#include "../forms/windowharness.h"
#include "core/exercise/modulo1.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QDir>
#include <QImage>

namespace {

constexpr int kBlock = 4;           // compared in blocks of 4 x 4 pixels
constexpr int kBlockTolerance = 40; // largest mean difference of a channel in a block
constexpr double kBlocksAllowed = 0.002;

// Fraction of blocks whose mean colour differs beyond the tolerance; 1 when the sizes differ.
double differingBlocks(const QImage& a0, const QImage& b0) {
    if (a0.size() != b0.size())
        return 1;
    const QImage a = a0.convertToFormat(QImage::Format_RGB32);
    const QImage b = b0.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    int blocks = 0;
    for (int by = 0; by + kBlock <= a.height(); by += kBlock)
        for (int bx = 0; bx + kBlock <= a.width(); bx += kBlock, ++blocks) {
            int sum[3] = {};
            for (int y = by; y < by + kBlock; ++y)
                for (int x = bx; x < bx + kBlock; ++x) {
                    const QRgb pa = a.pixel(x, y);
                    const QRgb pb = b.pixel(x, y);
                    sum[0] += qRed(pa) - qRed(pb);
                    sum[1] += qGreen(pa) - qGreen(pb);
                    sum[2] += qBlue(pa) - qBlue(pb);
                }
            differing += std::any_of(sum, sum + 3, [](int s) {
                return std::abs(s) > kBlockTolerance * kBlock * kBlock;
            });
        }
    return blocks == 0 ? 0 : double(differing) / blocks;
}

QImage grabbed(QWidget& w) {
    return w.grab().toImage();
}

void compareWithReference(const QImage& now, const QString& name) {
    const QString path = QDir(REFERENCE_DIR).filePath(name + ".png");
    if (qEnvironmentVariableIntValue("FRAZIONI_REFRESH_REFERENCES") == 1) {
        QVERIFY(now.save(path));
        return;
    }
    const QImage reference(path);
    QVERIFY2(!reference.isNull(), qPrintable("missing reference " + path));
    const double d = differingBlocks(reference, now);
    if (d > kBlocksAllowed)
        now.save(QDir::temp().filePath(name + "-now.png"));
    QVERIFY2(d <= kBlocksAllowed, qPrintable(QString("%1: %2 % of blocks differ; see %3")
                                                 .arg(name)
                                                 .arg(d * 100)
                                                 .arg(QDir::temp().filePath(name + "-now.png"))));
}

} // namespace

class TestVisual : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }
    void exerciseWindowMatchesItsReferences_data();
    void exerciseWindowMatchesItsReferences();
    void resultsWindowMatchesItsReference();
};

void TestVisual::exerciseWindowMatchesItsReferences_data() {
    QTest::addColumn<int>("row"); // -1: the window at start-up
    QTest::newRow("start") << -1;
    QTest::newRow("kind1") << 0;
    QTest::newRow("kind2") << 3;
    QTest::newRow("kind3") << 12;
    QTest::newRow("kind4") << 19;
    QTest::newRow("kind5") << 25;
    QTest::newRow("kind6") << 30;
}

void TestVisual::exerciseWindowMatchesItsReferences() {
    QFETCH(int, row);
    WindowHarness h;
    if (row >= 0)
        h.putQuestion(row);
    compareWithReference(grabbed(h.window), QTest::currentDataTag());
}

void TestVisual::resultsWindowMatchesItsReference() {
    FakeClock clock(500);
    Modulo1 m;
    m.record = kNessunRecord;
    m.nbuono = 2;
    m.giudizio = Giudizio::Ottimo;
    m.temposerie = 500 - 45.37;
    ClassificaWindow window(m, clock, 15);
    window.show();
    compareWithReference(grabbed(window), "results-record");
}

QTEST_MAIN(TestVisual)
#include "tst_visual.moc"
