// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil plays the whole first pass of the bank through the real windows,
// with keys and clicks only, reading every question and every results window
// from the screen and working each answer out from the question's words and
// figures, so a stored answer that does not follow from them fails here.
#include "core/results/classificalogic.h"
#include "solver.h"

#include <QRegularExpression>

#include <set>

using enum TipoDomanda;

// Answers right, or wrong: the next choice, a number three too big, a word.
static void answer(const WindowHarness& h, TipoDomanda kind, int solution, bool right) {
    const Ctl choices[][3] = {{Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3},
                              {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3},
                              {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3}};
    const int factors[] = {1, 8, 10, 6}; // the unit, then each segment in cm
    if (kind == QuattroMisure)
        for (int i = 0; i < (right ? 4 : 1); ++i)
            h.type(std::array{Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4}[i],
                   right ? QString::number(solution * factors[i]) : "nove");
    else if (kind == NumeroSuiSegmenti || kind == NumeroSulRettangolo)
        h.type(Ctl::Text1, QString::number(right ? solution : solution + 3));
    else
        h.click(choices[kind == CliccaSegmento ? 0
                        : kind == CliccaMisura ? 1
                                               : 2][(right ? solution - 1 : solution) % 3]);
}

class TestScriptedPupil : public QObject {
    Q_OBJECT
  private slots:
    void playsTheFirstPassAndIsGradedForIt() {
        WindowHarness h(1024, 768, 17);
        QStringList seen; // each results window: its grade word, then the dots of each row
        QString avviso;
        // The results window is modal: the click that opens it returns only once
        // it is closed, so the pupil reads it and presses PROSEGUI from a timer.
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            QWidget* d = QApplication::activeModalWidget();
            if (d == nullptr || d->parentWidget() != &h.window)
                return;
            seen << controlText(d->findChild<QWidget*>("RISULTATO"));
            for (const char* row :
                 {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente", "ShOccorre"})
                seen.last() +=
                    ' ' +
                    QString::number(std::ranges::count_if(
                        d->findChildren<QWidget*>(QRegularExpression(QString("^%1\\d+$").arg(row))),
                        &QWidget::isVisible));
            avviso = h.text(Ctl::avviso);
            QTest::mouseClick(d->findChild<QWidget*>("Command1"), Qt::LeftButton);
        });
        watcher.start(2);
        QString feedback; // what each answer showed while its pause held
        h.pause.during = [&] { feedback += h.text(Ctl::gratifica) + ' '; };

        QStringList expected;
        std::array<int, kRighe> dots{};
        int answers = 0;
        int errors = 0;
        auto graded = [&](Giudizio g) {
            const auto row = rigaDelGiudizio(g);
            if (row)
                ++dots[std::size_t(*row)];
            expected << (row ? aspettiGradi()[std::size_t(*row)].parola : "");
            for (int d : dots)
                expected.last() += ' ' + QString::number(d);
            answers = errors = 0;
        };
        std::set<TipoDomanda> kinds;
        std::set<QString> codes;
        h.click(Ctl::VIA);
        for (int n = 1; n <= Modulo1::kQuestions; ++n) {
            const TipoDomanda kind = kindOnScreen(h);
            const int solution = solve(h);
            QVERIFY2(solution > 0, qPrintable(h.text(Ctl::LbDOMANDA)));
            codes.insert(h.text(Ctl::LbCodice));
            // The first question of each kind is answered wrong first, one four times.
            const int wrongs = int(kinds.insert(kind).second) + (n == 30 ? 4 : 0);
            feedback.clear();
            for (int w = 1; w <= wrongs; ++w) {
                answer(h, kind, solution, false);
                QCOMPARE(h.counters(), QString("%1/%2").arg(answers + w).arg(errors + w));
            }
            answer(h, kind, solution, true);
            const int steps = kind == QuattroMisure ? 4 : 1;
            QCOMPARE(feedback,
                     QString("NO RIPROVA ").repeated(wrongs) + QString("BENE!! ").repeated(steps));
            answers += wrongs + steps;
            errors += wrongs;
            if (answers >= 10) // a series ends after ten answers
                graded(giudizioPerErrori(errors));
            if (n == Modulo1::kQuestions) // and the pass: a grade if anything was judged since
                graded(answers > 0 ? giudizioPerErrori(errors) : Giudizio::SoloClassifica);
            QCOMPARE(seen, expected);
            QCOMPARE(h.counters(), QString("%1/%2").arg(answers).arg(errors));
        }
        QCOMPARE(codes.size(), std::size_t(Modulo1::kQuestions));
        QCOMPARE(avviso, "Bravo!! Hai risposto a tutte le domande.");
        QVERIFY(dots[0] > 0 && dots[4] > 0 && dots[1] + dots[2] > 0); // best, worst, between
        // CLASSIFICA shows the same tally, grading nothing; FINE ends the program.
        h.click(Ctl::Command1);
        QCOMPARE(seen.size(), expected.size() + 1);
        QCOMPARE(seen.last(), expected.last().mid(expected.last().indexOf(' ')));
        h.click(Ctl::FINE);
        QCOMPARE(h.terminations, 1);
    }
};

QTEST_MAIN(TestScriptedPupil)
#include "tst_scripted_pupil.moc"
