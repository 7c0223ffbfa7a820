// SPDX-License-Identifier: GPL-3.0-or-later
// What a typed answer is worth, and the bounds of the tables.
#include "core/common/cell.h"
#include "core/common/numbertext.h"
#include <QTest>

Q_DECLARE_METATYPE(std::optional<std::int16_t>)
class TestNumberText : public QObject {
    Q_OBJECT
  private slots:
    // One row a rule: blanks, sign, separators, half to even, range, no number at all.
    void typedAnswerValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<std::int16_t>>("value");
        const std::optional<std::int16_t> none;
        const auto n = [](int v) { return std::optional<std::int16_t>(v); };
        QTest::newRow("blanks and tabs around") << " \t12\t " << n(12);
        QTest::newRow("comma first, even, half") << ",5" << n(0);
        QTest::newRow("odd, below half") << "13,4" << n(13);
        QTest::newRow("odd, half") << "13,5" << n(14);
        QTest::newRow("half with zeros") << "12,5000" << n(12);
        QTest::newRow("even, just above half") << "12,51" << n(13);
        QTest::newRow("negative odd half") << "-3,5" << n(-4);
        QTest::newRow("plus and point") << "+10.9" << n(11);
        QTest::newRow("largest") << "32767" << n(32767);
        QTest::newRow("smallest") << "-32768" << n(-32768);
        QTest::newRow("one past the largest") << "32768" << none;
        QTest::newRow("one past the smallest") << "-32769" << none;
        QTest::newRow("rounds out of range") << "32767,5" << none;
        QTest::newRow("huge") << QString(500, '9') << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("fullwidth digits") << QString::fromUtf8("１２") << none;
        QTest::newRow("nul inside") << QString::fromLatin1("1\0002", 3) << none;
    }
    void typedAnswerValue() {
        QFETCH(QString, text);
        QTEST(answerValue(text.toStdString()), "value");
    }
    void cellsOutsideTheTableThrow() { // row rows() and column cols() lie just outside
        const CellTable t(3, 2);
        QVERIFY(isEmpty(t(2, 1)));
        for (auto [r, c] : {std::pair{3, 0}, {-1, 0}, {0, 2}, {0, -1}})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, t(r, c));
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
