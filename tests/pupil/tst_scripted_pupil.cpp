// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil plays the whole first pass of the bank through the real windows,
// with keys and clicks only, reading every question and every results window
// from the screen and working each answer out from the question's words and
// figures, so a stored answer that does not follow from them fails here.
#include "../forms/windowharness.h"
#include "core/results/classificalogic.h"
#include "solver.h"

#include <QApplication>

#include <set>

namespace {

using enum TipoDomanda;
constexpr Ctl kSegments[] = {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3};
constexpr Ctl kLabels[] = {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3};
constexpr Ctl kRectangles[] = {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3}; // left to right
constexpr Ctl kBoxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
constexpr int kFactors[] = {1, 8, 10, 6}; // the unit, then each segment in cm
const char* const kRows[] = {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente", "ShOccorre"};

QuestionOnScreen read(const WindowHarness& h) {
    QuestionOnScreen q{{}, h.text(Ctl::LbDOMANDA), {}, {}, {}};
    for (int i = 0; i < 3; ++i) {
        q.captions << h.text(kLabels[i]);
        q.segments << int(h.frame(kSegments[i])->pieces().size());
        int tall = 0;
        int wide = 0;
        for (const PaintedPiece& p : h.frame(kRectangles[i])->pieces())
            ++(p.rect.height() > p.rect.width() ? tall : wide);
        q.rectangles << std::pair(tall / 2, wide / 2);
    }
    const bool box = h.visible(Ctl::Text1);
    const bool segments = h.visible(Ctl::FrSegmento1);
    q.kind = h.visible(Ctl::Inp1)          ? QuattroMisure
             : h.visible(Ctl::LbRisposta1) ? CliccaMisura
             : box                         ? (segments ? NumeroSuiSegmenti : NumeroSulRettangolo)
             : segments                    ? CliccaSegmento
                                           : CliccaRettangolo;
    return q;
}

// Answers right, or wrong (the next choice, a number three too big, a word).
void answer(const WindowHarness& h, const QuestionOnScreen& q, int solution, bool right) {
    const int choice = (right ? solution - 1 : solution) % 3;
    if (q.kind == QuattroMisure)
        for (int i = 0; i < (right ? 4 : 1); ++i)
            h.type(kBoxes[i], right ? QString::number(solution * kFactors[i]) : "nove");
    else if (q.kind == CliccaSegmento || q.kind == CliccaMisura || q.kind == CliccaRettangolo)
        h.click((q.kind == CliccaSegmento ? kSegments
                 : q.kind == CliccaMisura ? kLabels
                                          : kRectangles)[choice]);
    else
        h.type(Ctl::Text1, QString::number(right ? solution : solution + 3));
}

// A results window as the pupil reads it: grade word, dots of each row, owner.
QString results(const QString& word, const std::array<int, kRighe>& dots, bool overForm1) {
    QStringList s{word};
    for (int d : dots)
        s << QString::number(d);
    return s.join(' ') + (overForm1 ? " modal over Form1" : "");
}

} // namespace

class TestScriptedPupil : public QObject {
    Q_OBJECT
  private slots:
    void playsTheFirstPassAndIsGradedForIt();
};

void TestScriptedPupil::playsTheFirstPassAndIsGradedForIt() {
    WindowHarness h(1024, 768, 17);
    QStringList seen;
    QString avviso;
    // The results window is modal: the click that opens it returns only once
    // it is closed, so the pupil reads it and presses PROSEGUI from a timer.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* d = QApplication::activeModalWidget();
        if (d == nullptr || d->objectName() != "classificaform")
            return;
        std::array<int, kRighe> dots{};
        for (std::size_t r = 0; r < kRighe; ++r)
            for (int k = 1; k <= kMaxPallini; ++k)
                dots[r] += d->findChild<QWidget*>(kRows[r] + QString::number(k))->isVisible();
        seen << results(d->findChild<QLabel*>("RISULTATO")->text(), dots,
                        d->isModal() && d->parentWidget() == &h.window);
        avviso = h.text(Ctl::avviso);
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    watcher.start(2);
    QString feedback; // what each answer showed while its pause held
    h.pause.during = [&] { feedback += h.text(Ctl::gratifica) + ' '; };

    h.click(Ctl::VIA);
    QStringList expected;
    std::array<int, kRighe> dots{};
    auto graded = [&](Giudizio g) {
        const auto row = rigaDelGiudizio(g);
        if (row)
            ++dots[std::size_t(*row)];
        expected << results(row ? aspettiGradi()[std::size_t(*row)].parola : "", dots, true);
    };
    int answers = 0;
    int errors = 0;
    std::set<TipoDomanda> kinds;
    std::set<QString> codes;
    for (int n = 1; n <= Modulo1::kQuestions; ++n) {
        const QuestionOnScreen q = read(h);
        const int solution = solve(q);
        QVERIFY2(solution > 0, qPrintable(q.text));
        codes.insert(h.text(Ctl::LbCodice));
        // The first question of each kind is answered wrong first, one question four times.
        const int wrongs = int(kinds.insert(q.kind).second) + (n == 30 ? 4 : 0);
        feedback.clear();
        for (int w = 1; w <= wrongs; ++w) {
            answer(h, q, solution, false);
            QCOMPARE(h.counters(), QString("%1/%2").arg(answers + w).arg(errors + w));
        }
        answer(h, q, solution, true);
        const int steps = q.kind == QuattroMisure ? 4 : 1;
        QCOMPARE(feedback,
                 QString("NO RIPROVA ").repeated(wrongs) + QString("BENE!! ").repeated(steps));
        answers += wrongs + steps;
        errors += wrongs;
        if (answers >= 10) {
            graded(giudizioPerErrori(errors));
            answers = errors = 0;
        }
        if (n == Modulo1::kQuestions) {
            // The pass ends too: a grade for what was judged since, else the tally alone.
            graded(answers > 0 ? giudizioPerErrori(errors) : Giudizio::SoloClassifica);
            answers = errors = 0;
        }
        QCOMPARE(seen, expected);
        QCOMPARE(h.counters(), QString("%1/%2").arg(answers).arg(errors));
    }
    QCOMPARE(codes.size(), std::size_t(Modulo1::kQuestions));
    QCOMPARE(avviso, QString("Bravo!! Hai risposto a tutte le domande."));
    // The run met the best grade, the worst and one in between.
    QVERIFY(dots[0] > 0 && dots[4] > 0 && dots[1] + dots[2] > 0);

    // CLASSIFICA shows the same tally, grading nothing; FINE ends the program.
    h.click(Ctl::Command1);
    QCOMPARE(seen.back(), results("", dots, true));
    h.click(Ctl::FINE);
    QCOMPARE(h.terminations, 1);
}

QTEST_MAIN(TestScriptedPupil)
#include "tst_scripted_pupil.moc"
