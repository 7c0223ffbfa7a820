// SPDX-License-Identifier: GPL-3.0-or-later
// Every question's figures as the real window paints them at a few screen sizes.
#include "../forms/windowharness.h"

class TestFigurePixels : public QObject {
    Q_OBJECT
  private slots:
    void everyQuestionPaintsCountableFigures_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("row");
        for (QSize s : {QSize(1024, 768), QSize(800, 600), QSize(1366, 768), QSize(1920, 1080)})
            for (int row = 0; row < Modulo1::kQuestions; ++row)
                QTest::addRow("%dx%d, question %d", s.width(), s.height(), row) << s << row;
    }
    void everyQuestionPaintsCountableFigures() {
        QFETCH(QSize, screen);
        QFETCH(int, row);
        WindowHarness h(screen.width(), screen.height());
        h.putQuestion(row < 25 ? 33 : 4); // the other figures first: none may be left over
        h.putQuestion(row);
        auto bank = [&](int column) {
            return int(cellNumber(h.window.modulo().domande(row, column)));
        };
        const auto kind = TipoDomanda(bank(0));
        // The bank's height and base of FrRet1 (middle), FrRet2 (left) and FrRet3 (right).
        const int column[] = {kind == TipoDomanda::CliccaRettangolo ? 4 : 2, 2, 6};
        for (std::size_t i = 0; i < 3 && !QTest::currentTestFailed(); ++i) {
            const bool rectangle = kind == TipoDomanda::CliccaRettangolo ||
                                   (kind == TipoDomanda::NumeroSulRettangolo && i == 0);
            QCOMPARE(h.visible(kSegmentFrames[i]), conSegmenti(kind));
            QCOMPARE(h.visible(kRectangleFrames[i]), rectangle);
            if (conSegmenti(kind))
                checkFigure(h.frame(kSegmentFrames[i]), std::array{8, 10, 6}[i], 0);
            if (rectangle)
                checkFigure(h.frame(kRectangleFrames[i]), bank(column[i]), bank(column[i] + 1));
        }
    }
};

QTEST_MAIN(TestFigurePixels)
#include "tst_figurepixels.moc"
