// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's load handler: grades, tally and record time.
#include "../exercise/harness.h"
#include <QTest>

class ClassificaLogicTest : public QObject {
    Q_OBJECT
  private slots:
    // Each count of errors: its grade word, blink and colour, and its row of dots after one
    // series and after eleven (it stops at ten). No question put: never a record.
    void errorsGiveAGradeWithItsWordColourAndBlinkCountedUpToTenDots() {
        using namespace classifica;
        const std::array colours{kOttimo,      kOttimo,  kDistinto, kBuono,
                                 kSufficiente, kOccorre, kOccorre};
        std::string got;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            LogicHarness h;
            for (int n = 1; n <= 11; ++n)
                h.form.classifica(std::array<std::int16_t, 7>{0, -3, 1, 2, 3, 4, 7}[i]);
            const ClassificaView& v = h.showings.back().shown;
            QVERIFY(!v.trecordVisible && !v.imageVisible && v.nuovoRecord.empty());
            QVERIFY(v.risultatoBack == colours[i]);
            got += v.risultato + std::to_string(v.blinkIntervalMs) + ':';
            for (std::size_t r = 0; r < kRighe; ++r)
                got +=
                    std::to_string(h.showings[0].shown.dots[r]) + std::to_string(v.dots[r]) + ' ';
        }
        QCOMPARE(got, std::string("ottimo!!!200:110 00 00 00 00 ottimo!!!200:110 00 00 00 00 "
                                  "distinto!! 400:00 110 00 00 00 buono!600:00 00 110 00 00 "
                                  "sufficiente800:00 00 00 110 00 esercitati!1000:00 00 00 00 110 "
                                  "esercitati!1000:00 00 00 00 110 "));
    }
    // A difference of clock readings must not lose a tenth; a broken one makes no record.
    // The shown record follows each new record ("*"); the 200 s of no record is not shown.
    void recordIsTheSeriesTimeCutToTenths() {
        std::string got;
        for (auto [start, end, record] : {std::tuple{86390.1, 86435.4, 200.0}, // across midnight
                                          {0.0, 199.99, 200.0},
                                          {0.0, 45.29, 45.3},
                                          {0.0, 45.3, 45.3},
                                          {0.0, 200.0, 200.0},
                                          {1045.0, 1000.0, 200.0},
                                          {1000.0, 1000.05, 200.0},
                                          {0.0, qQNaN(), 200.0},
                                          {0.0, qInf(), 200.0}}) {
            Modulo1 m{.temposerie = start, .record = record, .giudizio = Giudizio::Ottimo};
            const ClassificaView v = caricaClassifica(m, end);
            QCOMPARE(v.nuovoRecord, std::string(v.imageVisible ? "Nuovo Record!" : ""));
            got += (v.imageVisible ? "*" : "") + (v.trecordVisible ? v.trecord : "") + ';';
        }
        QCOMPARE(got,
                 std::string("*45,3  secondi;*199,9  secondi;*45,2  secondi;45,3  secondi;;;;;;"));
    }
};

QTEST_GUILESS_MAIN(ClassificaLogicTest)
#include "tst_classificalogic.moc"
