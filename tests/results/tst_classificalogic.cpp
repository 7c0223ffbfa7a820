// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's load handler: grades, tally, record time, and the
// pass-end showing that grades nothing.
#include "core/exercise/form1.h"
#include "core/exercise/modulo1.h"
#include "core/results/classificalogic.h"
#include "core/sound/audio.h"
#include "fakes/fakes.h"

#include <QTest>

#include <limits>
#include <vector>

Q_DECLARE_METATYPE(Giudizio)

namespace {

using Dots = std::array<int, kRighe>;

Modulo1 avviato() {
    Modulo1 m;
    m.record = kNessunRecord; // as the exercise window's load handler leaves it
    return m;
}

// A series of `giudizio` that lasts `seconds` on the clock, then its results window.
ClassificaView serie(Modulo1& m, FakeClock& clock, Giudizio giudizio, double seconds) {
    m.temposerie = clock.seconds();
    clock.advance(seconds);
    m.giudizio = giudizio;
    return caricaClassifica(m, clock.seconds());
}

// The exercise window's view: every results window it opens runs the load
// handler at that moment, and what it showed is kept.
struct RecordingView final : Form1View {
    RecordingView(Modulo1& modulo, const Clock& c) : m(modulo), clock(c) {}
    void aggiorna() override {}
    void mostraClassifica(std::optional<double>) override {
        shown.push_back(caricaClassifica(m, clock.seconds()));
    }
    void termina() override {}
    Modulo1& m;
    const Clock& clock;
    std::vector<ClassificaView> shown;
};

} // namespace

class ClassificaLogicTest : public QObject {
    Q_OBJECT
  private slots:
    // One run of series, each row applied after the ones before it.
    void seriesOfARunBuildTheTallyAndTheRecord() {
        struct Step {
            const char* name;
            Giudizio giudizio;
            double seconds;
            Dots dots;
            bool record;
            const char* trecord; // "": hidden while there is no record
        };
        const Step steps[] = {
            {"CLASSIFICA before any series",
             Giudizio::SoloClassifica,
             30,
             {0, 0, 0, 0, 0},
             false,
             ""},
            {"first flawless, 45,37 s",
             Giudizio::Ottimo,
             45.37,
             {1, 0, 0, 0, 0},
             true,
             "45,3  secondi"},
            {"flawless, 50 s", Giudizio::Ottimo, 50, {2, 0, 0, 0, 0}, false, "45,3  secondi"},
            {"as long as the record",
             Giudizio::Ottimo,
             45.3,
             {3, 0, 0, 0, 0},
             false,
             "45,3  secondi"},
            {"two errors", Giudizio::Buono, 20, {3, 0, 1, 0, 0}, false, "45,3  secondi"},
            {"CLASSIFICA", Giudizio::SoloClassifica, 5, {3, 0, 1, 0, 0}, false, "45,3  secondi"},
            {"one error, faster", Giudizio::Distinto, 12, {3, 1, 1, 0, 0}, false, "45,3  secondi"},
            {"flawless, just under",
             Giudizio::Ottimo,
             45.29,
             {4, 1, 1, 0, 0},
             true,
             "45,2  secondi"},
        };
        Modulo1 m = avviato();
        FakeClock clock(86000); // the run goes past midnight of a day-based clock
        for (const Step& s : steps) {
            const ClassificaView v = serie(m, clock, s.giudizio, s.seconds);
            const bool graded = s.giudizio != Giudizio::SoloClassifica;
            QVERIFY2(v.risultato.empty() != graded, s.name);
            QVERIFY2(v.risultatoBack.has_value() == graded, s.name);
            QVERIFY2(v.dots == s.dots, s.name);
            QVERIFY2(v.nuovoRecord == (s.record ? "Nuovo Record!" : ""), s.name);
            QVERIFY2(v.imageVisible == s.record, s.name);
            QVERIFY2(v.trecordVisible == (*s.trecord != '\0'), s.name);
            if (v.trecordVisible)
                QVERIFY2(v.trecord == s.trecord, s.name);
        }
    }

    // The eleventh series of a grade still shows ten dots.
    void eachGradeHasItsWordColourAndIntervalAndStopsAtTenDots_data() {
        QTest::addColumn<Giudizio>("giudizio");
        QTest::addColumn<QString>("word");
        QTest::addColumn<uint>("colour"); // as stored
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("row");
        QTest::newRow("ottimo") << Giudizio::Ottimo << QStringLiteral("ottimo!!!")
                                << storedValue(classifica::kOttimo) << 200 << 0;
        QTest::newRow("distinto") << Giudizio::Distinto << QStringLiteral("distinto!! ")
                                  << storedValue(classifica::kDistinto) << 400 << 1;
        QTest::newRow("buono") << Giudizio::Buono << QStringLiteral("buono!")
                               << storedValue(classifica::kBuono) << 600 << 2;
        QTest::newRow("sufficiente") << Giudizio::Sufficiente << QStringLiteral("sufficiente")
                                     << storedValue(classifica::kSufficiente) << 800 << 3;
        QTest::newRow("esercitati") << Giudizio::Occorre << QStringLiteral("esercitati!")
                                    << storedValue(classifica::kOccorre) << 1000 << 4;
    }
    void eachGradeHasItsWordColourAndIntervalAndStopsAtTenDots() {
        QFETCH(Giudizio, giudizio);
        QFETCH(QString, word);
        QFETCH(uint, colour);
        QFETCH(int, interval);
        QFETCH(int, row);
        Modulo1 m = avviato();
        FakeClock clock;
        ClassificaView v;
        for (int n = 1; n <= 11; ++n) {
            v = serie(m, clock, giudizio, 300); // over 200 s: counted, never a record
            Dots expected{};
            expected[static_cast<std::size_t>(row)] = std::min(n, kMaxPallini);
            QCOMPARE(v.dots, expected);
        }
        QCOMPARE(QString::fromStdString(v.risultato), word);
        QCOMPARE(storedValue(v.risultatoBack.value_or(Rgb{})), colour);
        QCOMPARE(v.blinkIntervalMs, interval);
        QCOMPARE(m.record, kNessunRecord);
    }

    // The series time is the difference of two clock readings; binary floating
    // point must not cost a tenth, and a broken reading must never make a record.
    void recordIsTheSeriesTimeCutToTenths_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("record");
        QTest::addColumn<double>("expected"); // -1: no new record
        QTest::addColumn<QString>("shown");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const QString t453 = QStringLiteral("45,3  secondi");
        QTest::newRow("exactly 45,3 s") << 1000.0 << 1045.3 << 200.0 << 45.3 << t453;
        QTest::newRow("exactly 45,3 s, late clock") << 1e6 << 1e6 + 45.3 << 200.0 << 45.3 << t453;
        QTest::newRow("across midnight") << 86390.1 << 86435.4 << 200.0 << 45.3 << t453;
        QTest::newRow("0,7 to 10,0")
            << 0.7 << 10.0 << 200.0 << 9.3 << QStringLiteral("9,3  secondi");
        QTest::newRow("just under 200")
            << 0.0 << 199.99 << 200.0 << 199.9 << QStringLiteral("199,9  secondi");
        QTest::newRow("exactly 200 s, no record yet") << 0.0 << 200.0 << 200.0 << -1.0 << QString();
        QTest::newRow("slower than the record") << 0.0 << 50.0 << 45.3 << -1.0 << QString();
        QTest::newRow("negative") << 1045.0 << 1000.0 << 200.0 << -1.0 << QString();
        QTest::newRow("under a tenth") << 1000.0 << 1000.05 << 200.0 << -1.0 << QString();
        QTest::newRow("not a number") << 0.0 << nan << 200.0 << -1.0 << QString();
        QTest::newRow("endless") << 0.0 << inf << 200.0 << -1.0 << QString();
    }
    void recordIsTheSeriesTimeCutToTenths() {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, record);
        QFETCH(double, expected);
        QFETCH(QString, shown);
        Modulo1 m = avviato();
        m.record = record;
        m.temposerie = start;
        m.giudizio = Giudizio::Ottimo;
        const ClassificaView v = caricaClassifica(m, end);
        const bool newRecord = expected >= 0;
        // The very value that reads as the tenths, so its text is that of the tenths.
        QCOMPARE(m.record, newRecord ? expected : record);
        QCOMPARE(v.nuovoRecord, std::string(newRecord ? "Nuovo Record!" : ""));
        QCOMPARE(v.imageVisible, newRecord);
        QCOMPARE(v.trecordVisible, m.record < kNessunRecord);
        if (newRecord)
            QCOMPARE(QString::fromStdString(v.trecord), shown);
    }

    // Fault pinned: when a series end and a pass end fall on the same question,
    // the second showing graded an empty series: an "ottimo!!!" dot and a record
    // of about 0 s that nothing could beat.
    void passEndRightAfterASeriesEndGradesNothing() {
        FakeClock clock;
        FakePause pause{clock};
        ClockSeededRandom random{clock, 7};
        FakeScreen screen{1024, 768};
        FakePlayer player;
        Audio audio{player, random, "/nonexistent"};
        Modulo1 m;
        RecordingView view{m, clock};
        Form1 form{m, {clock, random, pause, screen, audio, view}};
        form.Form_Load();
        m.domandefatte.fill(1);
        m.domandefatte[0] = 0; // only the first question, "type 8", is left in the pass
        form.VIA_Click();
        m.nrisposte = 9;      // nine answers of this series already judged right
        clock.advance(44.37); // the right answer's pause brings the series to 45,37 s
        form.setText(Ctl::Text1, "8");
        int enter = kTastoInvio;
        form.Text1_KeyPress(enter);

        QCOMPARE(view.shown.size(), std::size_t(2));
        QCOMPARE(view.shown[0].risultato, std::string("ottimo!!!"));
        QCOMPARE(view.shown[0].nuovoRecord, std::string("Nuovo Record!"));
        const ClassificaView& passaggio = view.shown[1];
        QCOMPARE(passaggio.risultato, std::string());
        QCOMPARE(passaggio.dots, (Dots{1, 0, 0, 0, 0}));
        QCOMPARE(passaggio.nuovoRecord, std::string());
        QCOMPARE(passaggio.trecord, std::string("45,3  secondi"));
        QCOMPARE(m.record, 45.3);
        QCOMPARE(m.nottimo, 1);
    }
};

QTEST_GUILESS_MAIN(ClassificaLogicTest)
#include "tst_classificalogic.moc"
