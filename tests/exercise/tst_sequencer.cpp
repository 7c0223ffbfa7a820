// SPDX-License-Identifier: GPL-3.0-or-later
// The sequencer driven through whole passes with a fake clock and a seeded generator.
#include "harness.h"

#include <QTest>

#include <numeric>
#include <set>

namespace {

// How many answers the pupil gives to put the question right after `wrongs`
// wrong tries: every box of a four-step question is an answer of its own.
int answersFor(TipoDomanda kind, int wrongs) {
    return (kind == TipoDomanda::QuattroMisure ? 4 : 1) + wrongs;
}

} // namespace

class TestSequencer : public QObject {
    Q_OBJECT
  private slots:
    void firstPressPutsAQuestion();
    void everyPassPutsEachQuestionOnce();
    void seriesCloseAtTheFirstQuestionAfterTenAnswers();
    void seriesAndPassEndingTogetherShowTheResultsTwice();
    void hintLineAlternatesAcrossSeriesAndPasses();
    void generatorNeverRepeatsADrawOnAFrozenClock();
};

void TestSequencer::firstPressPutsAQuestion() {
    LogicHarness h;
    h.form.Form_Load();
    h.clock.advance(3.25);
    h.form.VIA_Click();
    const Stage& s = h.form.stage();
    QVERIFY(s[Ctl::LbTempo].visible);
    QCOMPARE(s[Ctl::LbTempo].text, std::string("0"));
    QCOMPARE(h.modulo.temposerie, h.clock.seconds());
    QCOMPARE(h.modulo.tempodomanda, h.clock.seconds());
    QCOMPARE(s[Ctl::LbCodice].text, std::to_string(h.modulo.ndomanda));
    QCOMPARE(s[Ctl::LbErrori].text, std::string("0"));
    QCOMPARE(s[Ctl::LbRisposte].text, std::string("risposte"));
    QVERIFY(!s[Ctl::VIA].visible);
    QVERIFY(s[Ctl::avviso].back == form1::kAvvisoOtherBack);
    QCOMPARE(h.modulo.domandefatte[static_cast<std::size_t>(h.modulo.ndomanda)], 1);
}

void TestSequencer::everyPassPutsEachQuestionOnce() {
    for (unsigned seed : {1u, 7u, 42u}) {
        LogicHarness h(seed);
        h.form.Form_Load();
        h.form.VIA_Click();
        std::vector<std::vector<int>> passes(1);
        passes.back().push_back(h.modulo.ndomanda);
        std::size_t passEnds = 0;
        while (passes.size() < 5) {
            h.answerRight();
            // A showing placed lower down belongs to a pass end.
            std::size_t ends = 0;
            for (const auto& sh : h.view.showings)
                ends += sh.top.has_value();
            if (ends != passEnds) {
                passEnds = ends;
                passes.emplace_back();
            }
            passes.back().push_back(h.modulo.ndomanda);
        }
        passes.pop_back(); // the last one is unfinished
        for (std::size_t p = 0; p < passes.size(); ++p) {
            const std::set<int> distinct(passes[p].begin(), passes[p].end());
            QCOMPARE(passes[p].size(), p == 0 ? std::size_t{42} : std::size_t{41});
            QCOMPARE(distinct.size(), passes[p].size());
            QVERIFY(*distinct.begin() >= 0 && *distinct.rbegin() <= 41);
            if (p > 0) {
                // The question finished last never opens the next pass.
                const int last = passes[p - 1].back();
                QVERIFY(passes[p].front() != last);
                QVERIFY(!distinct.count(last));
            }
        }
    }
}

void TestSequencer::seriesCloseAtTheFirstQuestionAfterTenAnswers() {
    // A model of the series: count the answers of each finished question and
    // expect a graded showing at the first question put after 10 or more.
    LogicHarness h(3);
    h.form.Form_Load();
    h.form.VIA_Click();
    int count = 0;
    int errors = 0;
    std::vector<Giudizio> expectedGrades;
    for (int q = 0; q < 150; ++q) {
        const int wrongs = (q * 7) % 5 == 0 ? (q % 3) : 0;
        const TipoDomanda kind = h.kind();
        // The question on screen is the last of its pass when every flag is set.
        const bool passEnd =
            std::accumulate(h.modulo.domandefatte.begin(), h.modulo.domandefatte.end(), 0) == 42;
        for (int w = 0; w < wrongs; ++w)
            h.answerWrong();
        h.answerRight();
        count += answersFor(kind, wrongs);
        errors += wrongs;
        if (count >= 10) {
            expectedGrades.push_back(giudizioPerErrori(errors));
            if (passEnd)
                expectedGrades.push_back(Giudizio::SoloClassifica);
            count = errors = 0;
        } else if (passEnd) {
            expectedGrades.push_back(giudizioPerErrori(errors));
            count = errors = 0;
        }
        QCOMPARE(h.view.showings.size(), expectedGrades.size());
        QCOMPARE(h.modulo.nrisposte, count);
        QCOMPARE(h.modulo.nerrori, errors);
    }
    QVERIFY(expectedGrades.size() > 10);
    for (std::size_t i = 0; i < expectedGrades.size(); ++i)
        QCOMPARE(h.view.showings[i].giudizio, expectedGrades[i]);
}

void TestSequencer::seriesAndPassEndingTogetherShowTheResultsTwice() {
    LogicHarness h(5, 1024, 768);
    h.form.Form_Load();
    h.form.VIA_Click();
    while (h.kind() == TipoDomanda::QuattroMisure)
        h.answerRight();
    // The question on screen is the last of the pass and brings the series to ten.
    h.modulo.domandefatte.fill(1);
    h.modulo.nrisposte = 9;
    h.modulo.nerrori = 2;
    const int last = h.modulo.ndomanda;
    h.clock.advance(30);
    h.answerRight();

    QCOMPARE(h.view.showings.size(), std::size_t{2});
    const auto& series = h.view.showings[0];
    QCOMPARE(series.giudizio, Giudizio::Buono); // two errors
    QVERIFY(!series.top.has_value());
    const auto& pass = h.view.showings[1];
    // Nothing was judged since the series closed: shown, not graded.
    QCOMPARE(pass.giudizio, Giudizio::SoloClassifica);
    QCOMPARE(pass.nrisposte, 0);
    QCOMPARE(pass.top.value(), 768 * 15 / 14.0);
    QCOMPARE(pass.avviso, std::string("Bravo!! Hai risposto a tutte le domande."));
    QVERIFY(pass.viaVisible);

    QVERIFY(h.modulo.ndomanda != last);
    QCOMPARE(std::accumulate(h.modulo.domandefatte.begin(), h.modulo.domandefatte.end(), 0), 2);
    QCOMPARE(h.modulo.temposerie, h.clock.seconds());
    QVERIFY(!h.form.stage()[Ctl::VIA].visible);
    QCOMPARE(h.form.stage()[Ctl::LbErrori].text, std::string("0"));
}

void TestSequencer::hintLineAlternatesAcrossSeriesAndPasses() {
    LogicHarness h(11);
    h.form.Form_Load();
    h.form.VIA_Click();
    bool cyan = true;
    for (int q = 0; q < 100; ++q) {
        QVERIFY2(h.form.stage()[Ctl::avviso].back ==
                     (cyan ? form1::kAvvisoOtherBack : form1::kAvvisoBack),
                 qPrintable(QString("question %1").arg(q)));
        cyan = !cyan;
        h.answerRight();
    }
    QVERIFY(h.view.showings.size() > 4);
}

void TestSequencer::generatorNeverRepeatsADrawOnAFrozenClock() {
    FakeClock frozen(86399.9);
    ClockSeededRandom random(frozen);
    std::array<int, 42> counts{};
    double previous = -1;
    constexpr int kDraws = 42000;
    for (int i = 0; i < kDraws; ++i) {
        random.randomize();
        const double x = random.next();
        QVERIFY(x >= 0 && x < 1);
        QVERIFY(x != previous);
        previous = x;
        ++counts[static_cast<std::size_t>(x * 42)];
    }
    // Chi-square with 41 degrees of freedom: 80 lies far beyond the 0.999 quantile (74.7).
    double chi = 0;
    for (int c : counts)
        chi += (c - 1000.0) * (c - 1000.0) / 1000.0;
    QVERIFY2(chi < 80, qPrintable(QString::number(chi)));
}

QTEST_GUILESS_MAIN(TestSequencer)
#include "tst_sequencer.moc"
