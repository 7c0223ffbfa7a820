// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise logic on the fake services: the sequencer over whole passes, feedback and
// counters, the cue files, the results load handler (grades, tally, record time), the
// screen adaptation, what a typed answer is worth, and the figures' layout in twips.
#include "core/common/numbertext.h"
#include "core/exercise/tastierino.h"
#include "core/figures/figuregeometry.h"
#include "core/sound/cues.h"
#include "harness.h"
#include "skin/platform/qtscreen.h"
#include <QTest>
#include <set>

// Gives its draws in turn, throwing when they run out, and notes each reseed ('r') and
// draw ('n').
struct ScriptedRandom final : Random {
    ScriptedRandom(std::initializer_list<double> d) : draws(d) {}
    void randomize() override { calls += 'r'; }
    double next() override { return calls += 'n', draws.at(used++); }
    std::vector<double> draws;
    std::size_t used = 0;
    std::string calls;
};

constexpr double kW = 12000; // the screen width of the worked examples
// How many pieces show, all at the front; -1 when a shown one follows a hidden one.
template <std::size_t N> static int shown(const std::array<PieceGeometry, N>& row) {
    const auto n = std::find_if(row.begin(), row.end(), [](auto& p) { return !p.visible; });
    return std::any_of(n, row.end(), [](auto& p) { return p.visible; }) ? -1 : n - row.begin();
}

class TestExercise : public QObject {
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
    // Each draw reseeds first; a value x puts question 42x rounded down, drawn again while
    // that one is already put or, from a broken generator, outside the bank.
    void eachDrawReseedsFirstAndItsValuePicksTheQuestion() {
        ScriptedRandom random{0.0, 0.0238, 0.0239, 0.3, 0.99999, 1.0, 0.5};
        LogicHarness h(1, 800, 600, &random);
        std::string got;
        for (int q = 0; q < 5; ++q) {
            random.calls.clear();
            h.form.VIA_Click();
            got += std::to_string(h.modulo.ndomanda) + ' ' + random.calls + ' ';
        }
        QCOMPARE(got, std::string("0 rn 1 rnrn 12 rn 41 rn 21 rnrn "));
    }
    // Height and base of each rectangle, then the frame value, as the design's table has
    // them: a wrong choice's side could change and every answer still follow.
    void rectangleQuestionsHoldTheDesignsFigures() {
        Modulo1 m;
        riempiDomande(m);
        std::string got;
        for (int r = 25; r < Modulo1::kQuestions; ++r) {
            for (int c = 2; c < m.domande.cols(); ++c)
                if (const std::string cell = cellText(m.domande(r, c)); !cell.empty())
                    got += cell + ' ';
            got += '|';
        }
        QCOMPARE(got, std::string("3 4 2500 |4 8 2500 |2 5 2500 |6 3 2000 |3 4 2500 |"
                                  "3 5 5 3 3 7 2500 |3 5 5 3 3 7 2500 |3 5 7 3 3 7 2500 |"
                                  "3 4 4 3 3 5 2500 |6 4 2 1 1 2 2500 |2 1 1 3 1 2 2500 |"
                                  "3 6 1 3 3 1 2500 |6 2 3 1 1 3 2500 |7 2 2 7 4 1 2500 |"
                                  "3 8 8 3 3 5 2500 |2 3 3 2 2 8 2500 |3 7 3 2 2 3 2500 |"));
    }
    void answerShowsItsFeedbackDuringThePauseAndCountsAfterIt_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("right");
        for (int row : {0, 3, 12, 19, 25, 30}) // a question of each kind
            for (bool right : {true, false})
                QTest::addRow("question %d, %s", row, right ? "right" : "wrong") << row << right;
    }
    void answerShowsItsFeedbackDuringThePauseAndCountsAfterIt() {
        QFETCH(int, row);
        QFETCH(bool, right);
        LogicHarness h;
        h.form.setPad(PadMode::Always, false);
        h.clock.set(86400 - 1.5); // the question timer counts across midnight
        h.putQuestion(row);
        const Stage& s = h.form.stage();
        Stage seen;
        h.pause.during = [&] { // what the pupil does meanwhile is dropped
            if (h.pause.count > 1)
                return;
            seen = s;
            int enter = kTastoInvio;
            h.form.KeyPress(row == 19 ? Ctl::Inp1 : Ctl::Text1, enter);
            for (Ctl key : {Ctl::Tasto1, Ctl::INVIO})
                h.form.Tastierino_Click(key);
            if (row == 3 || row == 12 || row == 30) // answered by a click
                h.answer(true);
            h.form.VIA_Click();
            h.form.Command1_Click();
            h.clock.advance(0.5);
            h.form.Timer1_Timer();
        };
        h.clock.advance(2.5);
        h.form.Timer1_Timer();
        h.answer(right);
        const bool next = right && row != 19;
        QVERIFY(h.pause.count == 1 && h.showings.empty() && h.modulo.nerrori == !right);
        QCOMPARE(seen[Ctl::gratifica].text, std::string(right ? "BENE!!" : "NO RIPROVA"));
        QVERIFY(seen.back == (right ? form1::kBack : form1::kWrongBack) && !seen.enabled);
        QCOMPARE(seen[Ctl::LbRisposte].text, std::string("risposte")); // counted after the pause
        QVERIFY(s[Ctl::gratifica].text.empty() && s.back == form1::kBack && s.enabled &&
                s[Ctl::LbTempo].visible);
        const std::string shown =
            s[Ctl::LbTempo].text + s[Ctl::LbRisposte].text + s[Ctl::LbErrori].text;
        QCOMPARE(shown, std::string(next ? "010" : right ? "210" : "211"));
        QCOMPARE(h.player.played.size(), std::size_t{2}); // the greeting, then this cue:
        QVERIFY(
            h.player.played[1].starts_with(right ? "/app/suoni/esatto" : "/app/suoni/sbagliato1"));
        QCOMPARE(h.modulo.ndomanda != row, next);
        if (row == 19) // an accepted box keeps its value in cm and opens the next
            QVERIFY(s[Ctl::Inp1].text == (right ? "2 cm" : "") && s[Ctl::LbSub2].visible == right);
        if (!next && (row == 0 || row == 25 || row == 19)) // the box waiting for the answer
            QCOMPARE(s.focus, row != 19 ? Ctl::Text1 : right ? Ctl::Inp2 : Ctl::Inp1);
    }
    // Backspace, on the pad as on the keyboard, takes a whole character off, never a byte.
    void padBackspaceTakesOffAWholeCharacter() {
        std::string text = "2é";
        for (const char* left : {"2", "", ""}) {
            cancellaUltimo(text);
            QCOMPARE(text, std::string(left));
        }
        LogicHarness h;
        h.form.setPad(PadMode::Always, false);
        h.putQuestion(0);
        for (Ctl key : {Ctl::Tasto7, Ctl::Tasto2, Ctl::TastoCancella, Ctl::Tasto8})
            h.form.Tastierino_Click(key);
        QCOMPARE(h.form.stage()[Ctl::Text1].text, std::string("78"));
    }
    // The pad shows only while a box waits, and as the classroom is set up: automatic on a
    // touch screen or from the first touch on, always, never. A key types only while shown.
    void padShowsWhileABoxWaitsAsTheSettingSays() {
        QStringList seen;
        for (PadMode mode : {PadMode::Automatic, PadMode::Always, PadMode::Never})
            for (bool touchScreen : {false, true}) {
                LogicHarness h;
                h.form.setPad(mode, touchScreen);
                QString shown;
                // The start, a typed answer, a click, a typed one, a touch, a click.
                for (int step : {-1, 0, 3, 25, -2, 12}) {
                    if (step == -2)
                        h.form.touched();
                    else if (step >= 0)
                        h.putQuestion(std::size_t(step));
                    const auto keys = std::ranges::count_if(
                        kTastierino, [&](Ctl k) { return h.form.stage()[k].visible; });
                    const std::string before = h.form.stage()[Ctl::Text1].text;
                    h.form.Tastierino_Click(Ctl::Tasto7);
                    const bool typed = h.form.stage()[Ctl::Text1].text == before + '7';
                    shown += keys == 12 && typed ? '1' : keys == 0 && !typed ? '0' : '?';
                }
                seen << shown;
            }
        QCOMPARE(seen.join(' '), "000010 010110 010110 010110 000000 000000");
    }
    // The pieces are laid out anew only when a figure or a frame's place changed, not at each
    // tick of the time display.
    void figuresChangeOnlyWithTheirPiecesOrTheirFramesPlace() {
        LogicHarness h;
        h.putQuestion(30);
        Stage before = h.form.stage();
        h.clock.advance(2);
        h.form.Timer1_Timer();
        QVERIFY(!figuresChanged(before, h.form.stage()));
        h.putQuestion(33); // other rectangles
        QVERIFY(figuresChanged(before, h.form.stage()));
        before = h.form.stage();
        Stage moved = before;
        moved[Ctl::FrRet3].geometry.top += 1;
        QVERIFY(figuresChanged(before, moved));
    }
    void classificaGradesNothingLeavingTheQuestionOpenAndFineEndsItAll() {
        LogicHarness h;
        h.putQuestion(7);
        h.form.LEGGI_Click(); // with no voice there is nothing to read with
        h.form.Command1_Click();
        QVERIFY(h.showings.size() == 1 && h.showings[0].giudizio == Giudizio::SoloClassifica);
        QCOMPARE(h.showings[0].shown.dots, (std::array<int, kRighe>{}));
        h.form.FINE_Click(); // nothing more is judged or put
        h.answer(true);
        h.form.VIA_Click();
        QVERIFY(h.terminations == 1 && h.modulo.ndomanda == 7 && h.pause.count == 0);
    }
    void layoutStretchesToScreenAndWindowWithoutNaNAndComesBack() {
        LogicHarness h(1, 1024, 768); // maximized at start-up, scaled as by the last resize below
        const Stage start = h.form.stage();
        QCOMPARE(start.window.windowState, 2);
        for (auto [w, ht] : {std::pair{804, 602}, {333, 222}, {0, 0}, {804, 0}, {1024, 768}}) {
            h.form.setWindowSize(w * 15, ht * 15);
            h.form.Form_Resize();
            for (const Form1ControlDesign& d : form1Design()) { // each one is registered
                const ScalableGeometry& g = h.form.stage()[d.id].geometry;
                const float font = d.font.size * std::min(w / 804.f, ht / 602.f);
                for (auto [now, designed] : {std::pair{g.left, d.left * w / 804},
                                             {g.top, d.top * ht / 602},
                                             {g.width, d.width * w / 804},
                                             {g.height, d.height * ht / 602},
                                             {g.fontSize, font}})
                    QVERIFY2(std::abs(now - designed) < 0.01f, d.name.data());
            }
        }
        QVERIFY(h.form.stage().controls == start.controls);
        // With no screen at all (every monitor unplugged) the real service gives 800 x 600.
        const QtScreen none;
        QCOMPARE(QList({none.widthTwips(), none.heightTwips()}), QList({12000.0, 9000.0}));
        for (auto [dw, dh] : {std::pair{0.f, 9030.f}, {12060.f, 0.f}}) { // a design of no size
            Ridimschermo r;
            WindowGeometry window{0, dw, dh, 0};
            ScalableGeometry g{10, 20, 30, 40, 8};
            r.ncontrolli = 1;
            r.preparatabelle();
            r.formdaridim = &window;
            r.controlli[1] = &g;
            r.adattaschermo(FakeScreen(804, 602));
            const ScalableGeometry before = g;
            window = {2, 2 * dw + 1, 2 * dh + 1, 0};
            r.ridimensiona(); // nothing to scale from, so nothing moves
            QCOMPARE(g, before);
        }
    }
    // One text a rule: blanks, comma first, half to even (below, at, with zeros, above),
    // sign, plus and point, the range's edges, past them, rounding out of it, huge, empty,
    // fullwidth digits, a NUL inside, a letter after a digit. "-" stands for no number.
    void typedAnswerValueFollowsOneRuleEach() {
        std::string got;
        using namespace std::string_literals;
        for (const std::string& text :
             {" \t12\t "s, ",5"s, "13,4"s, "13,5"s, "12,5000"s, "12,51"s, "-3,5"s, "+10.9"s,
              "32767"s, "-32768"s, "32768"s, "-32769"s, "32767,5"s, std::string(500, '9'), ""s,
              "１２"s, "1\0002"s, "8a"s}) {
            const auto v = answerValue(text);
            got += (v ? std::to_string(*v) : "-") + ' ';
        }
        QCOMPARE(got, std::string("12 0 13 14 12 13 -4 11 32767 -32768 - - - - - - - - "));
    }
    void cellsOutsideTheTableThrow() { // row rows() and column cols() lie just outside
        const CellTable t(3, 2);
        QVERIFY(isEmpty(t(2, 1)));
        for (auto [r, c] : {std::pair{3, 0}, {-1, 0}, {0, 2}, {0, -1}})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, t(r, c));
    }
    // Each count of errors: its grade word, blink and colour, and its row of dots after one
    // series and after eleven (it stops at ten).
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
            got += (v.imageVisible ? "*" : "") + (v.trecordVisible ? v.trecord : "") + ';';
        }
        QCOMPARE(got,
                 std::string("*45,3  secondi;*199,9  secondi;*45,2  secondi;45,3  secondi;;;;;;"));
    }
    // Pins a fault: an executable in the root folder gave "//suoni/...".
    // Pins a fault: an off-by-one draw shows at the edges of the fifths (1: a broken generator).
    void eachCueIsTheWavFileInSuoniBesideTheExecutable() {
        std::string got;
        for (double draw : {0.3, 0.0, 0.1999, 0.2, 0.5, 0.7, 0.99999, 1.0}) {
            ScriptedRandom random{draw};
            FakePlayer player;
            Audio audio(player, random, got.empty() ? "/" : "/app");
            audio.suonaesatto(cues::kEsatto[0]);
            got += player.played.at(0) + ' ' + random.calls + ' '; // a reseed before each draw
        }
        QCOMPARE(got, std::string("/suoni/esatto2.wav rn /app/suoni/esatto.wav rn "
                                  "/app/suoni/esatto.wav rn /app/suoni/esatto2.wav rn "
                                  "/app/suoni/esatto3.wav rn /app/suoni/esatto4.wav rn "
                                  "/app/suoni/esatto5.wav rn /app/suoni/esatto5.wav rn "));
        // The school's own file of the same name comes first, the shipped one after it.
        ScriptedRandom random{0.5};
        FakePlayer player;
        Audio audio(player, random, "/app", "/etc/frazioni/suoni/");
        audio.suona(cues::kPremivia);
        audio.suonaesatto(cues::kEsatto[0]);
        QCOMPARE(player.played, (std::vector<std::string>{
                                    "/etc/frazioni/suoni/premivia.wav or /app/suoni/premivia.wav",
                                    "/etc/frazioni/suoni/esatto3.wav or /app/suoni/esatto3.wav"}));
    }
    // A unit is W/20, gapped W/200: 8 units take 4740 twips at W = 12000. An outline's
    // longer side is W/6, its sides 60 thick, bases 62 inside, the frame 140 wider.
    void figuresHaveTheWorkedExampleSizes() {
        SegmentFigure s;
        dimensionaSegmento(s, kW, integer(1), integer(10)); // these pieces must not linger
        dimensionaSegmento(s, kW, integer(1), integer(8));
        QVERIFY(s.frame == (FrameSize{true, 4740, 60}) && shown(s.pieces) == 8);
        QCOMPARE(s.pieces[7], (PieceGeometry{true, 4200, 0, 540, 60}));
        dimensionaSegmento(s, 2 * kW, integer(0), Cell{10.0f}); // upright, on twice the width
        QVERIFY(s.frame == (FrameSize{true, 120, 11880}) && shown(s.pieces) == 10);
        QCOMPARE(s.pieces[9], (PieceGeometry{true, 0, 10800, 120, 1080}));
        dimensionaSegmento(s, kW, integer(0), integer(1));
        QVERIFY(s.frame == (FrameSize{true, 60, 540}) && shown(s.pieces) == 1);
        RectangleFigure r;
        dimensionaRettangolo(r, 2 * kW, integer(8), integer(8), integer(2500));
        QCOMPARE(r.frame, (FrameSize{true, 4140, 4000}));
        QCOMPARE(r.base1[7], (PieceGeometry{true, 3562, 3938, 500, 60}));
        dimensionaRettangolo(r, kW, integer(3), integer(4), integer(2500)); // question 25
        QCOMPARE(r.frame, (FrameSize{true, 2140, 1500}));
        QVERIFY(shown(r.altezza1) + shown(r.altezza2) == 6 && shown(r.base1) + shown(r.base2) == 8);
        QCOMPARE(r.altezza2[2], (PieceGeometry{true, 2062, 1000, 60, 500}));
        QCOMPARE(r.base1[3], (PieceGeometry{true, 1562, 1438, 500, 60}));
    }
    // Such counts, never in the bank, hide every piece (no crash, no index outside the
    // arrays) and show the frame empty as it was; another orientation changes nothing.
    void countsThePiecesCannotShowAreRefused() {
        using Row = std::tuple<int, Cell, int, double>; // orientation (-1: a x b), a, b, W
        for (const auto& [o, a, b, w] :
             {Row(0, integer(11), 0, kW), Row(1, Cell{2.5f}, 0, kW),
              Row(0, Cell{std::nanf("")}, 0, kW), Row(1, integer(8), 0, 0.0),
              Row(2, integer(8), 0, kW), Row(-1, integer(0), 4, kW), Row(-1, integer(3), 9, kW),
              Row(-1, integer(3), 4, HUGE_VAL)}) {
            SegmentFigure s;
            RectangleFigure r;
            dimensionaSegmento(s, kW, integer(1), integer(6));
            dimensionaRettangolo(r, kW, integer(8), integer(8), integer(2500));
            s.frame = r.frame = {false, 855, 3855};
            if (o < 0)
                dimensionaRettangolo(r, w, a, integer(b), integer(2500));
            else
                dimensionaSegmento(s, w, integer(o), a);
            QCOMPARE(o < 0 ? r.frame : s.frame, (FrameSize{true, 855, 3855}));
            QCOMPARE(o < 0 ? shown(r.altezza1) + shown(r.altezza2) + shown(r.base1) + shown(r.base2)
                           : shown(s.pieces),
                     o == 2 ? 6 : 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
