// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil plays the whole first pass of the bank through the real windows,
// with keys and clicks only, reading every question and every results window
// from the screen. Only the one-second pause is replaced, through its interface.
#include "solver.h"

#include "../forms/windowharness.h"
#include "core/results/classificalogic.h"
#include "skin/figures/figureframe.h"

#include <QApplication>
#include <QDialog>

#include <set>

namespace {

const char* const kRows[] = {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente", "ShOccorre"};
constexpr Ctl kRectanglesLeftToRight[] = {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3};
constexpr Ctl kSegments[] = {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3};
constexpr Ctl kLabels[] = {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3};
constexpr Ctl kBoxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
constexpr int kFactors[] = {1, 8, 10, 6};

// The word a results window shows for a grade; none when it grades nothing.
QString wordOf(Giudizio giudizio) {
    const auto row = rigaDelGiudizio(giudizio);
    return row ? QString::fromUtf8(aspettiGradi()[std::size_t(*row)].parola) : QString();
}

// What one results window showed.
struct Seen {
    QString risultato;
    std::array<int, 5> dots{};
    QString avviso;
    bool overForm1 = false; // modal, owned by the exercise window
};

class Pupil {
  public:
    explicit Pupil(WindowHarness& h) : h_(h) {
        // The results window is modal: the click that opens it returns only once
        // it is closed, so the pupil looks for it on a timer.
        watcher_.setInterval(2);
        QObject::connect(&watcher_, &QTimer::timeout, [this] { readResults(); });
        watcher_.start();
    }

    QuestionOnScreen read() const {
        QuestionOnScreen q;
        q.text = h_.text(Ctl::LbDOMANDA);
        for (int i = 0; i < 3; ++i)
            q.captions[std::size_t(i)] = h_.text(kLabels[i]);
        for (int i = 0; i < 3; ++i)
            q.segments[std::size_t(i)] = int(frame(kSegments[i])->pieces().size());
        for (int i = 0; i < 3; ++i) {
            int tall = 0;
            int wide = 0;
            for (const PaintedPiece& p : frame(kRectanglesLeftToRight[i])->pieces())
                (p.rect.height() > p.rect.width() ? tall : wide)++;
            q.rectangles[std::size_t(i)] = {tall / 2, wide / 2};
        }
        if (h_.visible(Ctl::Inp1))
            q.kind = TipoDomanda::QuattroMisure;
        else if (h_.visible(Ctl::LbRisposta1))
            q.kind = TipoDomanda::CliccaMisura;
        else if (h_.visible(Ctl::FrRet2))
            q.kind = TipoDomanda::CliccaRettangolo;
        else if (h_.visible(Ctl::Text1))
            q.kind = h_.visible(Ctl::FrSegmento1) ? TipoDomanda::NumeroSuiSegmenti
                                                  : TipoDomanda::NumeroSulRettangolo;
        else if (h_.visible(Ctl::FrSegmento1))
            q.kind = TipoDomanda::CliccaSegmento;
        return q;
    }

    // Gives the right answer, or a wrong one, the way the question asks for it.
    void answer(const QuestionOnScreen& q, int solution, bool right) {
        switch (q.kind) {
        case TipoDomanda::NumeroSuiSegmenti:
        case TipoDomanda::NumeroSulRettangolo:
            h_.type(Ctl::Text1, QString::number(right ? solution : solution + 3));
            break;
        case TipoDomanda::QuattroMisure:
            if (!right) {
                h_.type(Ctl::Inp1, "nove");
                break;
            }
            for (int i = 0; i < 4; ++i)
                h_.type(kBoxes[i], QString::number(solution * kFactors[i]));
            break;
        case TipoDomanda::CliccaSegmento:
            h_.click(kSegments[(right ? solution - 1 : solution) % 3]);
            break;
        case TipoDomanda::CliccaMisura:
            h_.click(kLabels[(right ? solution - 1 : solution) % 3]);
            break;
        case TipoDomanda::CliccaRettangolo:
            h_.click(kRectanglesLeftToRight[(right ? solution - 1 : solution) % 3]);
            break;
        }
    }

    std::vector<Seen> seen;

  private:
    FigureFrame* frame(Ctl id) const { return static_cast<FigureFrame*>(h_.window.control(id)); }

    void readResults() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != "classificaform")
            return;
        Seen s;
        s.risultato = dialog->findChild<QLabel*>("RISULTATO")->text();
        for (int r = 0; r < 5; ++r)
            for (int k = 1; k <= 10; ++k)
                s.dots[std::size_t(r)] +=
                    dialog->findChild<QWidget*>(kRows[r] + QString::number(k))->isVisible();
        s.avviso = h_.text(Ctl::avviso);
        s.overForm1 = dialog->isModal() && dialog->parentWidget() == &h_.window;
        seen.push_back(s);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }

    WindowHarness& h_;
    QTimer watcher_;
};

} // namespace

class TestScriptedPupil : public QObject {
    Q_OBJECT
  private slots:
    void playsTheFirstPassAndSeesEveryGrade();
};

void TestScriptedPupil::playsTheFirstPassAndSeesEveryGrade() {
    WindowHarness h(1024, 768, 17);
    Pupil pupil(h);
    h.click(Ctl::VIA);

    std::vector<Giudizio> expected; // grades of the windows the pupil should meet
    std::array<int, kRighe> dots{}; // the tally as the last window should show it
    auto count = [&](Giudizio g) {
        expected.push_back(g);
        ++dots[std::size_t(rigaDelGiudizio(g).value())];
    };
    int answers = 0;
    int errors = 0;
    std::set<QString> questions;
    for (int n = 1; n <= 42; ++n) {
        const QuestionOnScreen q = pupil.read();
        const int solution = solve(q);
        QVERIFY2(solution > 0, qPrintable(q.text));
        questions.insert(h.text(Ctl::LbCodice));
        // Some questions get wrong answers first, a few of them twice.
        const int wrongs = n % 9 == 1 ? 1 + (n % 3 == 0) : n == 30 ? 4 : 0;
        for (int w = 0; w < wrongs; ++w) {
            pupil.answer(q, solution, false);
            QCOMPARE(h.text(Ctl::LbErrori), QString::number(errors + w + 1));
        }
        pupil.answer(q, solution, true);
        answers += (q.kind == TipoDomanda::QuattroMisure ? 4 : 1) + wrongs;
        errors += wrongs;
        const bool seriesEnd = answers >= 10;
        if (seriesEnd) {
            count(giudizioPerErrori(errors));
            answers = errors = 0;
        }
        if (n == 42) {
            // The pass ends too: graded if anything was judged since the series closed.
            if (answers > 0)
                count(giudizioPerErrori(errors));
            else
                expected.push_back(Giudizio::SoloClassifica);
        }
        QCOMPARE(pupil.seen.size(), expected.size());
        if (seriesEnd || n == 42) {
            // PROSEGUI destroyed the results window; the next series counts from 0.
            QCOMPARE(h.window.findChildren<QDialog*>().size(), qsizetype{0});
            QCOMPARE(h.text(Ctl::LbRisposte), QString("0"));
            QCOMPARE(h.text(Ctl::LbErrori), QString("0"));
        }
    }
    QCOMPARE(questions.size(), std::size_t{42});

    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(pupil.seen[i].risultato, wordOf(expected[i]));
        QVERIFY(pupil.seen[i].overForm1);
    }
    QCOMPARE(pupil.seen.back().avviso, QString("Bravo!! Hai risposto a tutte le domande."));
    QCOMPARE(pupil.seen.back().dots, dots);
    // The run meets the best grade, the worst and one in between.
    QVERIFY2(dots[0] > 0 && dots[4] > 0 && dots[1] + dots[2] > 0,
             qPrintable(QString("%1 %2 %3 %4 %5")
                            .arg(dots[0])
                            .arg(dots[1])
                            .arg(dots[2])
                            .arg(dots[3])
                            .arg(dots[4])));

    // CLASSIFICA shows the same tally, grading nothing.
    h.click(Ctl::Command1);
    QCOMPARE(pupil.seen.back().risultato, QString());
    QCOMPARE(pupil.seen.back().dots, dots);

    h.click(Ctl::FINE);
    QCOMPARE(h.terminations, 1);
}

QTEST_MAIN(TestScriptedPupil)
#include "tst_scripted_pupil.moc"
