// SPDX-License-Identifier: GPL-3.0-or-later
// The sequencer over whole passes, with the fake clock and the seeded generator.
#include "harness.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <set>

class TestSequencer : public QObject {
    Q_OBJECT
  private slots:
    void everyPassPutsEachQuestionOnceAndNeverOpensWithTheLastOne() {
        for (unsigned seed : {1u, 7u, 42u}) {
            LogicHarness h(seed);
            h.form.VIA_Click();
            const auto passEnds = [&h] {
                return std::count_if(h.showings.begin(), h.showings.end(),
                                     [](const Showing& s) { return s.top.has_value(); });
            };
            std::vector<std::vector<int>> passes(1, {h.modulo.ndomanda});
            while (passes.size() < 5) {
                const auto ends = passEnds();
                h.answerRight();
                if (passEnds() != ends)
                    passes.emplace_back();
                passes.back().push_back(h.modulo.ndomanda);
            }
            for (std::size_t p = 0; p < 4; ++p) {
                const std::set<int> distinct(passes[p].begin(), passes[p].end());
                QCOMPARE(passes[p].size(), std::size_t{p == 0 ? 42u : 41u});
                QCOMPARE(distinct.size(), passes[p].size());
                QVERIFY(*distinct.begin() >= 0 && *distinct.rbegin() <= 41);
                if (p > 0)
                    QVERIFY(!distinct.count(passes[p - 1].back()));
            }
        }
    }

    // A model of the series: each wrong try is an answer, a four-box question four
    // more. The fake pause lasts a second, so a series lasts a second an answer.
    void seriesCloseAtTheFirstQuestionAfterTenAnswersWithTheGradeOfTheirErrors() {
        LogicHarness h(3);
        h.form.VIA_Click();
        int count = 0;
        int errors = 0;
        std::vector<std::pair<Giudizio, int>> expected; // grade, answers
        for (int q = 0; q < 150; ++q) {
            // The hint line alternates its colour at every question put.
            QCOMPARE(h.form.stage()[Ctl::avviso].back,
                     q % 2 ? form1::kAvvisoBack : form1::kAvvisoOtherBack);
            const int wrongs = q % 7 == 0 ? q % 3 : 0;
            const bool passEnd = std::accumulate(h.modulo.domandefatte.begin(),
                                                 h.modulo.domandefatte.end(), 0) == 42;
            count += (h.kind() == TipoDomanda::QuattroMisure ? 4 : 1) + wrongs;
            errors += wrongs;
            for (int w = 0; w < wrongs; ++w)
                h.answer(false);
            h.answerRight();
            if (count >= 10 || passEnd)
                expected.push_back({giudizioPerErrori(errors), count});
            if (count >= 10 && passEnd)
                expected.push_back({Giudizio::SoloClassifica, 0});
            if (count >= 10 || passEnd)
                count = errors = 0;
            QCOMPARE(h.showings.size(), expected.size());
            QCOMPARE(h.modulo.nrisposte, count);
            QCOMPARE(h.modulo.nerrori, errors);
        }
        QVERIFY(expected.size() > 10);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(h.showings[i].giudizio, expected[i].first);
            if (expected[i].second > 0)
                QCOMPARE(h.showings[i].seconds, expected[i].second);
        }
    }

    // Pins a fault: when a series end and a pass end fell on the same question, the
    // second showing graded an empty series: an "ottimo!!!" dot and a record of ~0 s.
    void seriesAndPassEndingTogetherShowTheResultsTwiceGradingOnlyTheSeries() {
        LogicHarness h(5, 1024, 768);
        h.putQuestion(0); // "type 8", made the last question of the pass
        h.modulo.domandefatte.fill(1);
        h.modulo.nrisposte = 9; // nine answers of this series judged right
        h.clock.advance(44.37); // the answer's pause brings the series to 45,37 s
        h.answerRight();
        QCOMPARE(h.showings.size(), std::size_t{2});
        const Showing& series = h.showings[0];
        QCOMPARE(series.giudizio, Giudizio::Ottimo);
        QVERIFY(!series.top.has_value());
        QCOMPARE(series.shown.nuovoRecord, std::string("Nuovo Record!"));
        const Showing& pass = h.showings[1];
        QCOMPARE(pass.giudizio, Giudizio::SoloClassifica);
        QCOMPARE(pass.top.value(), 768 * 15 / 14.0);
        QCOMPARE(pass.avviso, std::string("Bravo!! Hai risposto a tutte le domande."));
        QCOMPARE(pass.shown.risultato, std::string());
        QCOMPARE(pass.shown.dots, (std::array<int, kRighe>{1, 0, 0, 0, 0}));
        QCOMPARE(pass.shown.trecord, std::string("45,3  secondi"));
        QCOMPARE(h.modulo.record, 45.3);
        // The next pass opens on another question and times its series from now.
        QVERIFY(h.modulo.ndomanda != 0);
        QCOMPARE(std::accumulate(h.modulo.domandefatte.begin(), h.modulo.domandefatte.end(), 0), 2);
        QCOMPARE(h.modulo.temposerie, h.clock.seconds());
        QVERIFY(!h.form.stage()[Ctl::VIA].visible);
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
            previous = x;
            ++counts[static_cast<std::size_t>(x * 42)];
        }
        // Chi-square, 41 degrees of freedom: 80 lies beyond the 0.999 quantile (74.7).
        double chi = 0;
        for (int c : counts)
            chi += (c - 100.0) * (c - 100.0) / 100.0;
        QVERIFY2(chi < 80, qPrintable(QString::number(chi)));
    }
};

QTEST_GUILESS_MAIN(TestSequencer)
#include "tst_sequencer.moc"
