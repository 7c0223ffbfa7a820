// SPDX-License-Identifier: GPL-3.0-or-later
// The sequencer over whole passes, with the fake clock and the seeded generator.
#include "harness.h"
#include <QTest>
#include <set>

class TestSequencer : public QObject {
    Q_OBJECT
  private slots:
    // A model: a four-box question is four answers, a wrong try one; each lasts a second.
    void passesPutEachQuestionOnceAndSeriesCloseAfterTenAnswersWithTheirGrade() {
        for (unsigned seed : {3u, 42u}) {
            LogicHarness h(seed);
            h.form.VIA_Click();
            int count = 0, errors = 0;
            std::vector<std::pair<Giudizio, int>> expected; // grade and answers
            std::set<int> pass{h.modulo.ndomanda};
            for (int q = 1; q < 180; ++q) {
                // The hint line alternates its colour at every question.
                QCOMPARE(h.form.stage()[Ctl::avviso].back,
                         q % 2 ? form1::kAvvisoOtherBack : form1::kAvvisoBack);
                const int wrongs = q % 7 == 0 ? q % 3 : 0;
                const int last = h.modulo.ndomanda;
                const bool passEnd = std::ranges::count(h.modulo.domandefatte, 1) == 42;
                count += (h.kind() == 4 ? 4 : 1) + wrongs;
                errors += wrongs;
                for (int w = 0; w < wrongs; ++w)
                    h.answer(false);
                for (int box = h.kind() == 4 ? 4 : 1; box > 0; --box) // the right answer
                    h.answer(true);
                if (count >= 10 || passEnd)
                    expected.push_back({giudizioPerErrori(errors), count});
                if (count >= 10 && passEnd) // shown again at the pass end, grading nothing
                    expected.push_back({Giudizio::SoloClassifica, -1});
                if (count >= 10 || passEnd)
                    count = errors = 0;
                QCOMPARE(h.showings.size(), expected.size());
                // Each pass puts every question once; the last one is not in the next.
                if (passEnd) {
                    QCOMPARE(pass.size(), std::size_t{42});
                    pass = {last};
                }
                QVERIFY(pass.insert(h.modulo.ndomanda).second);
            }
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QCOMPARE(h.showings[i].giudizio, expected[i].first);
                QVERIFY(expected[i].second < 0 || h.showings[i].seconds == expected[i].second);
            }
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
        h.answer(true);
        QCOMPARE(h.showings.size(), std::size_t{2});
        QVERIFY(h.showings[0].giudizio == Giudizio::Ottimo && !h.showings[0].top);
        QCOMPARE(h.showings[0].shown.nuovoRecord, std::string("Nuovo Record!"));
        const Showing& pass = h.showings[1];
        QVERIFY(pass.giudizio == Giudizio::SoloClassifica && pass.top == 768 * 15 / 14.0);
        QCOMPARE(pass.shown.dots, (std::array<int, kRighe>{1, 0, 0, 0, 0}));
        QCOMPARE(h.modulo.record, 45.3);
    }
};

QTEST_GUILESS_MAIN(TestSequencer)
#include "tst_sequencer.moc"
