// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's load handler: grades, tally and record time.
#include "../exercise/harness.h"
#include <QTest>

Q_DECLARE_METATYPE(Rgb)

class ClassificaLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void errorsGiveAGradeWithItsWordColourAndBlinkCountedUpToTenDots_data() {
        QTest::addColumn<int>("errori");
        QTest::addColumn<QString>("word");
        QTest::addColumn<Rgb>("colour");
        QTest::addColumn<int>("blinkMs");
        QTest::newRow("none") << 0 << "ottimo!!!" << classifica::kOttimo << 200;
        QTest::newRow("negative") << -3 << "ottimo!!!" << classifica::kOttimo << 200;
        QTest::newRow("one") << 1 << "distinto!! " << classifica::kDistinto << 400;
        QTest::newRow("two") << 2 << "buono!" << classifica::kBuono << 600;
        QTest::newRow("three") << 3 << "sufficiente" << classifica::kSufficiente << 800;
        QTest::newRow("four") << 4 << "esercitati!" << classifica::kOccorre << 1000;
        QTest::newRow("seven") << 7 << "esercitati!" << classifica::kOccorre << 1000;
    }
    void errorsGiveAGradeWithItsWordColourAndBlinkCountedUpToTenDots() {
        QFETCH(int, errori);
        QFETCH(int, blinkMs);
        const auto row = static_cast<std::size_t>(blinkMs / 200 - 1); // the rows blink 200 ms apart
        LogicHarness h; // no question put: each series lasts 1000 s, never a record
        for (int n = 1; n <= 11; ++n) {
            auto e = static_cast<std::int16_t>(errori);
            h.form.classifica(e);
            std::array<int, kRighe> dots{};
            dots[row] = std::min(n, 10);
            QCOMPARE(h.showings.back().shown.dots, dots);
        }
        const ClassificaView& v = h.showings.back().shown;
        QVERIFY(!v.trecordVisible && !v.imageVisible && v.nuovoRecord.empty());
        QTEST(QString::fromStdString(v.risultato), "word");
        QTEST(v.risultatoBack.value(), "colour");
        QCOMPARE(v.blinkIntervalMs, blinkMs);
    }
    // A difference of clock readings must not lose a tenth; a broken one makes no record.
    void recordIsTheSeriesTimeCutToTenths_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("record");
        QTest::addColumn<double>("expected"); // 0: no new record
        QTest::newRow("across midnight") << 86390.1 << 86435.4 << 200.0 << 45.3;
        QTest::newRow("just under 200") << 0.0 << 199.99 << 200.0 << 199.9;
        QTest::newRow("a hundredth under the record") << 0.0 << 45.29 << 45.3 << 45.2;
        QTest::newRow("as long as the record") << 0.0 << 45.3 << 45.3 << 0.0;
        QTest::newRow("exactly 200 s") << 0.0 << 200.0 << 200.0 << 0.0;
        QTest::newRow("negative") << 1045.0 << 1000.0 << 200.0 << 0.0;
        QTest::newRow("under a tenth") << 1000.0 << 1000.05 << 200.0 << 0.0;
        QTest::newRow("not a number") << 0.0 << qQNaN() << 200.0 << 0.0;
        QTest::newRow("endless") << 0.0 << qInf() << 200.0 << 0.0;
    }
    void recordIsTheSeriesTimeCutToTenths() {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, record);
        QFETCH(double, expected);
        Modulo1 m{.temposerie = start, .record = record, .giudizio = Giudizio::Ottimo};
        const ClassificaView v = caricaClassifica(m, end);
        QCOMPARE(m.record, expected > 0 ? expected : record);
        QVERIFY(v.imageVisible == (expected > 0) && v.trecordVisible == (m.record < 200));
        QCOMPARE(v.nuovoRecord, std::string(expected > 0 ? "Nuovo Record!" : ""));
        if (expected > 0)
            QCOMPARE(QString::fromStdString(v.trecord),
                     QString::number(expected, 'f', 1).replace('.', ',') + "  secondi");
    }
};

QTEST_GUILESS_MAIN(ClassificaLogicTest)
#include "tst_classificalogic.moc"
