// The results window's load handler: grades, tally, record time, and the
// pass-end showing that grades nothing.
#include "exercise/form1.h"
#include "exercise/modulo1.h"
#include "fakes/fakes.h"
#include "results/classificalogic.h"
#include "sound/audio.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using Dots = std::array<int, kRighe>;

Modulo1 avviato() {
    Modulo1 m;
    m.record = kNessunRecord; // as the exercise window's load handler leaves it
    return m;
}

// A series of `giudizio` that lasts `seconds` on the clock, then its results window.
ClassificaView serie(Modulo1& m, FakeClock& clock, int giudizio, double seconds) {
    m.temposerie = clock.seconds();
    clock.advance(seconds);
    m.giudizio = giudizio;
    return caricaClassifica(m, clock.seconds());
}

// The exercise window's view: every results window it opens runs the load
// handler at that moment, and what it showed is kept.
class RecordingView final : public Form1View {
  public:
    RecordingView(Modulo1& m, const Clock& clock) : m_(m), clock_(clock) {}
    void aggiorna() override {}
    void mostraClassifica(std::optional<double> topTwips) override {
        shown.push_back(caricaClassifica(m_, clock_.seconds()));
        tops.push_back(topTwips);
    }
    void termina() override {}
    std::vector<ClassificaView> shown;
    std::vector<std::optional<double>> tops;

  private:
    Modulo1& m_;
    const Clock& clock_;
};

} // namespace

class ClassificaLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void classificaBeforeAnySeriesShowsOnlyTheEmptyRows() {
        Modulo1 m = avviato();
        FakeClock clock;
        const ClassificaView v = serie(m, clock, kGiudizioSoloClassifica, 30);
        QCOMPARE(v.risultato, std::string());
        QVERIFY(!v.risultatoBack);
        QCOMPARE(v.blinkIntervalMs, 1000);
        QCOMPARE(v.dots, (Dots{0, 0, 0, 0, 0}));
        QCOMPARE(v.nuovoRecord, std::string());
        QVERIFY(!v.imageVisible);
        QVERIFY(!v.trecordVisible);
        QCOMPARE(v.trecord, std::string("200  secondi"));
        QCOMPARE(m.record, kNessunRecord);
    }

    // One run of series, each row applied after the ones before it.
    void seriesOfARunBuildTheTallyAndTheRecord() {
        struct Step {
            const char* name;
            int giudizio;
            double seconds;
            const char* word;
            int interval;
            Dots dots;
            bool record;
            const char* trecord;
        };
        const Step steps[] = {
            {"first flawless 45,37 s",
             5,
             45.37,
             "ottimo!!!",
             200,
             {1, 0, 0, 0, 0},
             true,
             "45,3  secondi"},
            {"flawless 50 s", 5, 50, "ottimo!!!", 200, {2, 0, 0, 0, 0}, false, "45,3  secondi"},
            {"flawless as long as the record",
             5,
             45.3,
             "ottimo!!!",
             200,
             {3, 0, 0, 0, 0},
             false,
             "45,3  secondi"},
            {"two errors", 3, 20, "buono!", 600, {3, 0, 1, 0, 0}, false, "45,3  secondi"},
            {"CLASSIFICA", 7, 5, "", 1000, {3, 0, 1, 0, 0}, false, "45,3  secondi"},
            {"one error, faster",
             4,
             12,
             "distinto!! ",
             400,
             {3, 1, 1, 0, 0},
             false,
             "45,3  secondi"},
            {"flawless just under",
             5,
             45.29,
             "ottimo!!!",
             200,
             {4, 1, 1, 0, 0},
             true,
             "45,2  secondi"},
        };
        Modulo1 m = avviato();
        FakeClock clock(86000); // the run goes past midnight of a day-based clock
        for (const Step& s : steps) {
            const ClassificaView v = serie(m, clock, s.giudizio, s.seconds);
            QVERIFY2(v.risultato == s.word, s.name);
            QVERIFY2(v.blinkIntervalMs == s.interval, s.name);
            QVERIFY2(v.dots == s.dots, s.name);
            QVERIFY2(v.nuovoRecord == (s.record ? "Nuovo Record!" : ""), s.name);
            QVERIFY2(v.imageVisible == s.record, s.name);
            QVERIFY2(v.trecordVisible, s.name);
            QVERIFY2(v.trecord == s.trecord, s.name);
        }
    }

    void flawlessSeriesOfTwoHundredSecondsSetsNoRecord_data() {
        QTest::addColumn<double>("seconds");
        QTest::newRow("exactly 200 s") << 200.0;
        QTest::newRow("250 s") << 250.0;
    }
    void flawlessSeriesOfTwoHundredSecondsSetsNoRecord() {
        QFETCH(double, seconds);
        Modulo1 m = avviato();
        FakeClock clock;
        const ClassificaView v = serie(m, clock, 5, seconds);
        QCOMPARE(v.dots, (Dots{1, 0, 0, 0, 0}));
        QCOMPARE(v.nuovoRecord, std::string());
        QVERIFY(!v.imageVisible);
        QVERIFY(!v.trecordVisible);
        QCOMPARE(m.record, kNessunRecord);
    }

    void eachGradeHasItsWordColourAndIntervalAndStopsAtTenDots_data() {
        QTest::addColumn<int>("giudizio");
        QTest::addColumn<QString>("word");
        QTest::addColumn<uint>("colour"); // 0x00BBGGRR
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("row");
        QTest::newRow("ottimo") << 5 << QStringLiteral("ottimo!!!") << 0x00ffffu << 200 << 0;
        QTest::newRow("distinto") << 4 << QStringLiteral("distinto!! ") << 0x00c000u << 400 << 1;
        QTest::newRow("buono") << 3 << QStringLiteral("buono!") << 0x80ff80u << 600 << 2;
        QTest::newRow("sufficiente") << 2 << QStringLiteral("sufficiente") << 0xffffc0u << 800 << 3;
        QTest::newRow("esercitati") << 1 << QStringLiteral("esercitati!") << 0x8080ffu << 1000 << 4;
    }
    void eachGradeHasItsWordColourAndIntervalAndStopsAtTenDots() {
        QFETCH(int, giudizio);
        QFETCH(QString, word);
        QFETCH(uint, colour);
        QFETCH(int, interval);
        QFETCH(int, row);
        Modulo1 m = avviato();
        FakeClock clock;
        ClassificaView v;
        for (int n = 1; n <= 11; ++n) {
            v = serie(m, clock, giudizio, 300);
            const int expected = std::min(n, 10);
            QCOMPARE(v.dots[static_cast<std::size_t>(row)], expected);
        }
        QCOMPARE(QString::fromStdString(v.risultato), word);
        QVERIFY(v.risultatoBack);
        QCOMPARE(storedValue(*v.risultatoBack), colour);
        QCOMPARE(v.blinkIntervalMs, interval);
        for (int r = 0; r < kRighe; ++r)
            if (r != row)
                QCOMPARE(v.dots[static_cast<std::size_t>(r)], 0);
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
        QTest::newRow("45,37 s") << 1000.0 << 1045.37 << 200.0 << 45.3
                                 << QStringLiteral("45,3  secondi");
        QTest::newRow("exactly 45,3 s")
            << 1000.0 << 1045.3 << 200.0 << 45.3 << QStringLiteral("45,3  secondi");
        QTest::newRow("exactly 45,3 s, late clock")
            << 1e6 << 1e6 + 45.3 << 200.0 << 45.3 << QStringLiteral("45,3  secondi");
        QTest::newRow("across midnight")
            << 86390.1 << 86435.4 << 200.0 << 45.3 << QStringLiteral("45,3  secondi");
        QTest::newRow("0,7 to 10,0")
            << 0.7 << 10.0 << 200.0 << 9.3 << QStringLiteral("9,3  secondi");
        QTest::newRow("just under 200")
            << 0.0 << 199.99 << 200.0 << 199.9 << QStringLiteral("199,9  secondi");
        QTest::newRow("equal to record") << 1000.0 << 1045.3 << 45.3 << -1.0 << QString();
        QTest::newRow("slower than record") << 1000.0 << 1050.0 << 45.3 << -1.0 << QString();
        QTest::newRow("record 200 itself") << 0.0 << 200.0 << 200.0 << -1.0 << QString();
        QTest::newRow("negative") << 1045.0 << 1000.0 << 200.0 << -1.0 << QString();
        QTest::newRow("no time at all") << 1000.0 << 1000.0 << 200.0 << -1.0 << QString();
        QTest::newRow("under a tenth") << 1000.0 << 1000.05 << 200.0 << -1.0 << QString();
        QTest::newRow("not a number") << 0.0 << nan << 200.0 << -1.0 << QString();
        QTest::newRow("endless") << 0.0 << inf << 200.0 << -1.0 << QString();
        QTest::newRow("from before time") << -inf << 0.0 << 200.0 << -1.0 << QString();
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
        m.giudizio = 5;
        const ClassificaView v = caricaClassifica(m, end);
        if (expected < 0) {
            QCOMPARE(m.record, record);
            QVERIFY(!v.imageVisible);
            QCOMPARE(v.nuovoRecord, std::string());
        } else {
            // The very value that reads as the tenths, so its text is that of the tenths.
            QCOMPARE(m.record, expected);
            QCOMPARE(QString::fromStdString(v.trecord), shown);
            QCOMPARE(v.nuovoRecord, std::string("Nuovo Record!"));
        }
    }

    // Fault pinned: when a series end and a pass end fall on the same question,
    // the second showing graded an empty series: an "ottimo!!!" dot and a record
    // of about 0 s that nothing could beat.
    void passEndRightAfterASeriesEndGradesNothing() {
        Esercizio e;
        e.m.domandefatte.fill(1);
        e.m.domandefatte[0] = 0; // only the first question, "type 8", is left in the pass
        e.form.VIA_Click();
        e.m.nrisposte = 9;      // nine answers of this series already judged right
        e.clock.advance(44.37); // the right answer's pause brings the series to 45,37 s
        e.rispondi("8");

        QCOMPARE(e.view.shown.size(), std::size_t(2));
        const ClassificaView& serie = e.view.shown[0];
        QCOMPARE(serie.risultato, std::string("ottimo!!!"));
        QCOMPARE(serie.nuovoRecord, std::string("Nuovo Record!"));
        const ClassificaView& passaggio = e.view.shown[1];
        QCOMPARE(passaggio.risultato, std::string());
        QCOMPARE(passaggio.dots, (Dots{1, 0, 0, 0, 0}));
        QCOMPARE(passaggio.nuovoRecord, std::string());
        QVERIFY(!passaggio.imageVisible);
        QCOMPARE(passaggio.trecord, std::string("45,3  secondi"));
        QCOMPARE(e.m.record, 45.3);
        QCOMPARE(e.m.nottimo, 1);
        QVERIFY(!e.view.tops[0]);
        QCOMPARE(e.view.tops[1].value_or(-1), e.screen.heightTwips() / 14);
    }

    void passEndWithAnsweredSeriesIsGradedAsUsual() {
        Esercizio e;
        e.m.domandefatte.fill(1);
        e.m.domandefatte[0] = 0;
        e.form.VIA_Click();
        e.m.nrisposte = 2;
        e.m.nerrori = 2;
        e.clock.advance(59);
        e.rispondi("8");

        QCOMPARE(e.view.shown.size(), std::size_t(1));
        QCOMPARE(e.view.shown[0].risultato, std::string("buono!"));
        QCOMPARE(e.view.shown[0].dots, (Dots{0, 0, 1, 0, 0}));
        QCOMPARE(e.view.tops[0].value_or(-1), e.screen.heightTwips() / 14);
    }

  private:
    // The exercise logic with fakes, after its load handler.
    struct Esercizio {
        FakeClock clock;
        FakePause pause{clock};
        SeededRandom random{clock, 7};
        FakeScreen screen{1024, 768};
        FakePlayer player;
        Audio audio{player, random, "/nonexistent"};
        Modulo1 m;
        RecordingView view{m, clock};
        Form1 form{m, {clock, random, pause, screen, audio, view}};
        Esercizio() { form.Form_Load(); }
        void rispondi(const std::string& text) {
            form.setText(Ctl::Text1, text);
            int tasto = 13;
            form.Text1_KeyPress(tasto);
        }
    };
};

QTEST_GUILESS_MAIN(ClassificaLogicTest)
#include "classificalogic_test.moc"
