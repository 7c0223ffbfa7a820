// SPDX-License-Identifier: GPL-3.0-or-later
// Every question's figures as the real window paints them at a few screen
// sizes: the units the bank gives the question, countable and equal to the
// pixel, and rectangle outlines that stay closed.
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
        // After a question of the other figures, so none of those is left over.
        h.putQuestion(row < 25 ? 33 : 4);
        h.putQuestion(row);
        auto number = [&](int column) {
            return int(cellNumber(h.window.modulo().domande(row, column)));
        };
        const auto kind = TipoDomanda(number(0));
        const int units[] = {8, 10, 6};
        // The bank's (height, base) columns of FrRet1 (middle), FrRet2 (left), FrRet3 (right).
        const int column[] = {kind == TipoDomanda::CliccaRettangolo ? 4 : 2, 2, 6};
        for (std::size_t i = 0; i < 3 && !QTest::currentTestFailed(); ++i) {
            QCOMPARE(h.visible(kSegmentFrames[i]), conSegmenti(kind));
            if (conSegmenti(kind))
                checkFigure(h.frame(kSegmentFrames[i]), units[i], 0);
            const bool shown = kind == TipoDomanda::CliccaRettangolo ||
                               (kind == TipoDomanda::NumeroSulRettangolo && i == 0);
            QCOMPARE(h.visible(kRectangleFrames[i]), shown);
            if (shown)
                checkFigure(h.frame(kRectangleFrames[i]), number(column[i]), number(column[i] + 1));
        }
    }
};

QTEST_MAIN(TestFigurePixels)
#include "tst_figurepixels.moc"
