// SPDX-License-Identifier: GPL-3.0-or-later
// Feedback, counters, the question timer, the pause and the end of the program.
#include "harness.h"
#include <QTest>

class TestFeedback : public QObject {
    Q_OBJECT
  private slots:
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
        QVERIFY(s[Ctl::gratifica].text.empty() && s.back == form1::kBack && s.enabled);
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
    void classificaGradesNothingLeavingTheQuestionOpenAndFineEndsItAll() {
        LogicHarness h;
        h.putQuestion(7);
        h.form.Command1_Click();
        QVERIFY(h.showings.size() == 1 && h.showings[0].giudizio == Giudizio::SoloClassifica);
        QCOMPARE(h.showings[0].shown.dots, (std::array<int, kRighe>{}));
        h.form.FINE_Click(); // nothing more is judged or put
        h.answer(true);
        h.form.VIA_Click();
        QVERIFY(h.terminations == 1 && h.modulo.ndomanda == 7 && h.pause.count == 0);
    }
};

QTEST_GUILESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
