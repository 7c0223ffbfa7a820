// SPDX-License-Identifier: GPL-3.0-or-later
// What a typed answer is worth, and how numbers are written for the pupil.
#include "core/common/numbertext.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<std::int16_t>)

class TestNumberText : public QObject {
    Q_OBJECT
  private slots:
    void typedAnswerValue_data();
    void typedAnswerValue();
    void shortestDecimalUsesTheComma_data();
    void shortestDecimalUsesTheComma();
};

void TestNumberText::typedAnswerValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::int16_t>>("value");
    const std::optional<std::int16_t> none;
    auto n = [](int v) { return std::optional<std::int16_t>(static_cast<std::int16_t>(v)); };

    QTest::newRow("plain") << "12" << n(12);
    QTest::newRow("blanks around") << " 12 " << n(12);
    QTest::newRow("tab around") << "\t12\t" << n(12);
    QTest::newRow("comma rounds down") << "12,4" << n(12);
    QTest::newRow("half to even, down") << "12,5" << n(12);
    QTest::newRow("half to even, up") << "13,5" << n(14);
    QTest::newRow("above half") << "12,51" << n(13);
    QTest::newRow("half with zeros") << "12,5000" << n(12);
    QTest::newRow("negative half") << "-2,5" << n(-2);
    QTest::newRow("negative odd half") << "-3,5" << n(-4);
    QTest::newRow("plus sign") << "+12" << n(12);
    QTest::newRow("minus zero") << "-0" << n(0);
    QTest::newRow("leading zeros") << "0000012" << n(12);
    QTest::newRow("comma first") << ",5" << n(0);
    QTest::newRow("comma last") << "12," << n(12);
    QTest::newRow("point is decimal") << "12.5" << n(12);
    QTest::newRow("point thousand") << "1.000" << n(1);
    QTest::newRow("largest") << "32767" << n(32767);
    QTest::newRow("smallest") << "-32768" << n(-32768);
    QTest::newRow("smallest after rounding") << "-32768,4" << n(-32768);

    QTest::newRow("exponent") << "1e3" << none;
    QTest::newRow("letters") << "abc" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("only blanks") << "   " << none;
    QTest::newRow("only sign") << "-" << none;
    QTest::newRow("only comma") << "," << none;
    QTest::newRow("two signs") << "--12" << none;
    QTest::newRow("sign after") << "12-" << none;
    QTest::newRow("two commas") << "1,2,3" << none;
    QTest::newRow("comma and point") << "1,2.3" << none;
    QTest::newRow("blank inside") << "1 2" << none;
    QTest::newRow("blank after sign") << "- 12" << none;
    QTest::newRow("too large") << "99999" << none;
    QTest::newRow("too small") << "-40000" << none;
    QTest::newRow("rounds out of range") << "32767,5" << none;
    QTest::newRow("one past") << "32768" << none;
    QTest::newRow("huge") << QString(500, '9') << none;
    QTest::newRow("huge with leading zeros") << QString(400, '0') + "7" << n(7);
    QTest::newRow("arabic digits") << QString::fromUtf8("١٢") << none;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１２") << none;
    QTest::newRow("symbols") << "12%" << none;
    QTest::newRow("hex") << "&H10" << none;
    QTest::newRow("nul inside") << QString::fromLatin1("1\0002", 3) << none;
}

void TestNumberText::typedAnswerValue() {
    QFETCH(QString, text);
    QFETCH(std::optional<std::int16_t>, value);
    QCOMPARE(answerValue(text.toStdString()), value);
}

void TestNumberText::shortestDecimalUsesTheComma_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 200.0 << "200";
    QTest::newRow("tenths") << 45.3 << "45,3";
    QTest::newRow("computed tenths") << 453 / 10.0 << "45,3";
    QTest::newRow("small") << 0.1 << "0,1";
}

void TestNumberText::shortestDecimalUsesTheComma() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(shortestDecimal(value)), text);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
