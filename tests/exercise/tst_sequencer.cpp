// SPDX-License-Identifier: GPL-3.0-or-later
// The sequencer over whole passes, with the fake clock and the seeded generator.
#include "harness.h"

#include <QTest>

#include <algorithm>
#include <set>

class TestSequencer : public QObject {
    Q_OBJECT
  private slots:
    void everyPassPutsEachQuestionOnceAndNeverOpensWithTheLastOne() {
        for (unsigned seed : {1u, 7u, 42u}) {
            LogicHarness h(seed);
            h.form.VIA_Click();
            std::vector<std::vector<int>> passes(1, {h.modulo.ndomanda});
            while (passes.size() < 5) {
                const bool passEnd = std::ranges::count(h.modulo.domandefatte, 1) == 42;
                h.answerRight();
                if (passEnd)
                    passes.emplace_back();
                passes.back().push_back(h.modulo.ndomanda);
            }
            for (std::size_t p = 0; p < 4; ++p) {
                const std::set<int> distinct(passes[p].begin(), passes[p].end());
                QCOMPARE(distinct.size(), std::size_t{p == 0 ? 42u : 41u});
                QCOMPARE(passes[p].size(), distinct.size());
                QVERIFY(*distinct.begin() >= 0 && *distinct.rbegin() <= 41);
                QVERIFY(p == 0 || !distinct.count(passes[p - 1].back()));
            }
        }
    }

    // A model of the series: each wrong try is an answer, a four-box question four
    // more; the fake pause lasts a second, so a series lasts a second an answer.
    void seriesCloseAtTheFirstQuestionAfterTenAnswersWithTheGradeOfTheirErrors() {
        LogicHarness h(3);
        h.form.VIA_Click();
        int count = 0;
        int errors = 0;
        std::vector<std::pair<Giudizio, int>> expected; // grade and answers
        for (int q = 0; q < 150; ++q) {
            // The hint line alternates its colour at every question.
            QCOMPARE(h.form.stage()[Ctl::avviso].back,
                     q % 2 ? form1::kAvvisoBack : form1::kAvvisoOtherBack);
            const int wrongs = q % 7 == 0 ? q % 3 : 0;
            const bool passEnd = std::ranges::count(h.modulo.domandefatte, 1) == 42;
            count += (h.kind() == TipoDomanda::QuattroMisure ? 4 : 1) + wrongs;
            errors += wrongs;
            for (int w = 0; w < wrongs; ++w)
                h.answer(false);
            h.answerRight();
            if (count >= 10 || passEnd)
                expected.push_back({giudizioPerErrori(errors), count});
            if (count >= 10 && passEnd) // the pass end shows the tally again, grading nothing
                expected.push_back({Giudizio::SoloClassifica, -1});
            if (count >= 10 || passEnd)
                count = errors = 0;
            QCOMPARE(h.showings.size(), expected.size());
            QCOMPARE(h.modulo.nrisposte, count);
            QCOMPARE(h.modulo.nerrori, errors);
        }
        QVERIFY(expected.size() > 10);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(h.showings[i].giudizio, expected[i].first);
            QVERIFY(expected[i].second < 0 || h.showings[i].seconds == expected[i].second);
        }
    }

    // Pins a fault: when a series end and a pass end fell on the same question, the
    // second showing graded an empty series: an "ottimo!!!" dot and a record of ~0 s.
    void seriesAndPassEndingTogetherShowTheResultsTwiceGradingOnlyTheSeries() {
        LogicHarness h(5, 1024, 768);
        h.putQuestion(0); // "type 8", made the last of its pass
        h.modulo.domandefatte.fill(1);
        h.modulo.nrisposte = 9; // nine answers of this series judged right
        h.clock.advance(44.37); // the answer's pause brings the series to 45,37 s
        h.answerRight();
        QCOMPARE(h.showings.size(), std::size_t{2});
        QCOMPARE(h.showings[0].giudizio, Giudizio::Ottimo);
        QCOMPARE(h.showings[0].shown.nuovoRecord, std::string("Nuovo Record!"));
        const Showing& pass = h.showings[1];
        QCOMPARE(pass.giudizio, Giudizio::SoloClassifica);
        QCOMPARE(pass.top.value(), 768 * 15 / 14.0); // lower down, below the hint line
        QCOMPARE(pass.avviso, std::string("Bravo!! Hai risposto a tutte le domande."));
        QCOMPARE(pass.shown.dots, (std::array<int, kRighe>{1, 0, 0, 0, 0}));
        QCOMPARE(h.modulo.record, 45.3);
    }

    void generatorNeverRepeatsADrawOnAFrozenClock() {
        FakeClock frozen(86399.9);
        ClockSeededRandom random(frozen);
        std::array<int, 42> counts{};
        double previous = -1;
        for (int i = 0; i < 4200; ++i) {
            random.randomize();
            const double x = random.next();
            QVERIFY(x >= 0 && x < 1 && x != previous);
            ++counts[static_cast<std::size_t>((previous = x) * 42)];
        }
        double chi = 0; // 41 degrees of freedom: 80 lies beyond the 0.999 quantile (74.7)
        for (int c : counts)
            chi += (c - 100.0) * (c - 100.0) / 100.0;
        QVERIFY2(chi < 80, qPrintable(QString::number(chi)));
    }
};

QTEST_GUILESS_MAIN(TestSequencer)
#include "tst_sequencer.moc"
