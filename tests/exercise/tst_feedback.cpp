// SPDX-License-Identifier: GPL-3.0-or-later
// Feedback, counters, the question timer and the pause, on the logic with fakes.
#include "harness.h"

#include "core/sound/cues.h"
#include "skin/platform/eventlooppause.h"

#include <QCoreApplication>
#include <QTest>

Q_DECLARE_METATYPE(Giudizio)

namespace {

constexpr double kMidnight = 86400;

// A pause that looks at the stage while it holds the thread, and ticks the
// question timer meanwhile as the real event loop would.
class WatchingPause final : public Pause {
  public:
    void wait(double seconds) override {
        const Stage& s = h->form.stage();
        during.push_back({s[Ctl::gratifica].text, s.back, s.enabled, s[Ctl::LbRisposte].text});
        h->clock.advance(seconds / 2);
        h->form.Timer1_Timer();
        tempoAfterTick = s[Ctl::LbTempo].text;
        h->clock.advance(seconds / 2);
    }
    struct Seen {
        std::string gratifica;
        Rgb back;
        bool enabled;
        std::string risposte;
    };
    LogicHarness* h = nullptr;
    std::vector<Seen> during;
    std::string tempoAfterTick;
};

// A clock that moves on by itself at every reading.
class RunningClock final : public Clock {
  public:
    RunningClock(double start, double step) : now_(start), step_(step) {}
    double seconds() const override { return now_ += step_; }

  private:
    mutable double now_;
    double step_;
};

// The logic with a question on screen and the watching pause.
struct WatchedHarness {
    WatchedHarness() {
        watching.h = &h;
        h.form.Form_Load();
        h.form.VIA_Click();
    }
    WatchingPause watching;
    LogicHarness h{2, 800, 600, &watching};
};

} // namespace

class TestFeedback : public QObject {
    Q_OBJECT
  private slots:
    void wrongAnswerShowsOrangeThenCountsBoth();
    void rightAnswerCountsOnlyTheAnswer();
    void classificaGrades_data();
    void classificaGrades();
    void classificaButtonGradesNothing();
    void timerCountsWholeSecondsAcrossMidnight();
    void pauseStartingBeforeMidnightLastsOneSecond();
    void fineEndsTheProgram();
};

void TestFeedback::wrongAnswerShowsOrangeThenCountsBoth() {
    WatchedHarness w;
    LogicHarness& h = w.h;
    h.clock.advance(2.5);
    h.form.Timer1_Timer();
    h.form.flashsbagliato();
    QCOMPARE(w.watching.during.size(), std::size_t{1});
    const auto& seen = w.watching.during[0];
    QCOMPARE(seen.gratifica, std::string("NO RIPROVA"));
    QVERIFY(seen.back == form1::kWrongBack);
    QVERIFY(!seen.enabled);
    // The counters change only once the pause is over.
    QCOMPARE(seen.risposte, std::string("risposte"));
    // The time display is not refreshed during the pause.
    QCOMPARE(w.watching.tempoAfterTick, std::string("2"));

    const Stage& s = h.form.stage();
    QCOMPARE(s[Ctl::gratifica].text, std::string());
    QVERIFY(s.back == form1::kBack);
    QVERIFY(s.enabled);
    QCOMPARE(s[Ctl::LbRisposte].text, std::string("1"));
    QCOMPARE(s[Ctl::LbErrori].text, std::string("1"));
    QVERIFY(!h.player.played.empty());
    QCOMPARE(h.player.played.back(), "/app/suoni/" + std::string(cues::kSbagliato1) + ".wav");
}

void TestFeedback::rightAnswerCountsOnlyTheAnswer() {
    WatchedHarness w;
    LogicHarness& h = w.h;
    h.form.flashbravo();
    h.form.flashbravo();
    QCOMPARE(w.watching.during.at(1).gratifica, std::string("BENE!!"));
    QVERIFY(w.watching.during.at(1).back == form1::kBack);
    QCOMPARE(h.form.stage()[Ctl::LbRisposte].text, std::string("2"));
    QCOMPARE(h.form.stage()[Ctl::LbErrori].text, std::string("0"));
    QCOMPARE(h.modulo.nerrori, 0);
    QCOMPARE(h.modulo.nrisposte, 2);
}

void TestFeedback::classificaGrades_data() {
    QTest::addColumn<int>("errori");
    QTest::addColumn<Giudizio>("giudizio");
    QTest::newRow("none") << 0 << Giudizio::Ottimo;
    QTest::newRow("negative") << -3 << Giudizio::Ottimo;
    QTest::newRow("one") << 1 << Giudizio::Distinto;
    QTest::newRow("two") << 2 << Giudizio::Buono;
    QTest::newRow("three") << 3 << Giudizio::Sufficiente;
    QTest::newRow("four") << 4 << Giudizio::Occorre;
    QTest::newRow("seven") << 7 << Giudizio::Occorre;
}

void TestFeedback::classificaGrades() {
    QFETCH(int, errori);
    QFETCH(Giudizio, giudizio);
    LogicHarness h;
    h.form.Form_Load();
    auto e = static_cast<std::int16_t>(errori);
    h.form.classifica(e);
    QCOMPARE(h.modulo.giudizio, giudizio);
    QCOMPARE(h.view.showings.size(), std::size_t{1});
    QVERIFY(!h.view.showings[0].top.has_value());
}

void TestFeedback::classificaButtonGradesNothing() {
    LogicHarness h;
    h.form.Form_Load();
    h.form.VIA_Click();
    const int question = h.modulo.ndomanda;
    h.form.Command1_Click();
    QCOMPARE(h.view.showings.size(), std::size_t{1});
    QCOMPARE(h.view.showings[0].giudizio, Giudizio::SoloClassifica);
    // The question stays open behind the results window.
    QCOMPARE(h.modulo.ndomanda, question);
    QCOMPARE(h.modulo.nrisposte, 0);
}

void TestFeedback::timerCountsWholeSecondsAcrossMidnight() {
    LogicHarness h;
    h.clock.set(kMidnight - 1.5);
    h.form.Form_Load();
    h.form.VIA_Click();
    const Stage& s = h.form.stage();
    for (const char* expected : {"0", "1", "2", "3"}) {
        h.form.Timer1_Timer();
        QCOMPARE(s[Ctl::LbTempo].text, std::string(expected));
        h.clock.advance(1);
    }
}

void TestFeedback::pauseStartingBeforeMidnightLastsOneSecond() {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    RunningClock clock(kMidnight - 0.5, 0.25);
    EventLoopPause pause(clock);
    pause.wait(1.0);
    const double after = clock.seconds();
    QVERIFY(after >= kMidnight + 0.5);
    QVERIFY(after <= kMidnight + 0.5 + 0.75);
    QVERIFY(!pause.active());
}

void TestFeedback::fineEndsTheProgram() {
    LogicHarness h;
    h.form.Form_Load();
    h.form.VIA_Click();
    h.form.FINE_Click();
    QCOMPARE(h.view.terminations, 1);
    // Nothing more is put once the program is ending.
    const int question = h.modulo.ndomanda;
    h.form.VIA_Click();
    QCOMPARE(h.modulo.ndomanda, question);
}

QTEST_GUILESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
