// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil plays the first pass through the real windows with keys and clicks, reading
// every question and results window from the screen and working each answer out from
// the words and figures: a stored answer that does not follow from them fails here.
#include "../forms/windowharness.h"
#include "core/results/classificalogic.h"

#include <QMap>
#include <QRegularExpression>

#include <set>

using enum TipoDomanda;

namespace {

// Height and base of the rectangle of choice 1..3, from the sides it paints.
std::pair<int, int> rectangle(const WindowHarness& h, int choice) {
    int tall = 0, wide = 0;
    for (const PaintedPiece& p : h.frame(choices(CliccaRettangolo).at(choice - 1))->pieces())
        ++(p.rect.height() > p.rect.width() ? tall : wide);
    return {tall / 2, wide / 2};
}

// The one choice 1..3 that fits, 0 when more do, -1 when none does.
int onlyChoice(const std::function<bool(int)>& fits) {
    int found = -1;
    for (int c = 1; c <= 3; ++c)
        if (fits(c))
            found = found == -1 ? c : 0;
    return found;
}

// From the screen alone, never the bank: the number to type (for four measures,
// the unit) or the choice 1..3 to click; -1 when nothing fits, 0 when more does.
int solve(const WindowHarness& h, TipoDomanda kind) {
    const QString text = h.text(Ctl::LbDOMANDA);
    QRegularExpressionMatch x;
    auto match = [&](const char* pattern) {
        return (x = QRegularExpression(pattern).match(text)).hasMatch();
    };
    auto n = [&](int i) { return x.captured(i).toInt(); };
    auto units = [&](int segment) { // 1..3; 0 units for any other
        return segment < 1 || segment > 3
                   ? 0
                   : int(h.frame(kSegmentFrames[segment - 1])->pieces().size());
    };
    auto named = [&](int i) { // the segment an ordinal names
        return units(QStringList{"primo", "secondo", "terzo"}.indexOf(x.captured(i)) + 1);
    };
    const auto [height, base] = rectangle(h, 2); // the one rectangle stands in the middle
    switch (kind) {
    case NumeroSuiSegmenti:
        return match("nel (\\d)° segmento") ? units(n(1)) : -1;
    case CliccaSegmento:
        if (!match("ha (\\d+) unità") &&
            (!match("è (\\d+)/(\\d+) del (\\w+) segmento") || named(3) != n(2)))
            return -1;
        return onlyChoice([&](int c) { return units(c) == n(1); });
    case CliccaMisura: {
        if (!match("il (\\w+) segmento misura (\\d+) cm, quanto misura (l'unità frazionaria|il "
                   "(\\w+) segmento)") ||
            named(1) == 0)
            return -1;
        const double unit = n(2) / double(named(1));
        const double asked = x.captured(4).isEmpty() ? unit : unit * named(4);
        const QString caption = QString::number(asked, 'g', 6).replace('.', ',') + " cm";
        return onlyChoice(
            [&](int c) { return h.text(choices(CliccaMisura).at(c - 1)) == caption; });
    }
    case QuattroMisure: {
        if (!match("(somma|differenza) (?:del|tra il) (\\w+) segmento (?:con|ed) il (\\w+) è "
                   "(\\d+) cm"))
            return -1;
        const int step = x.captured(1) == "somma" ? named(2) + named(3) : named(2) - named(3);
        return step > 0 && n(4) % step == 0 ? n(4) / step : -1;
    }
    case NumeroSulRettangolo:
        return text.contains("perimetro")    ? 2 * (height + base)
               : text.contains("somma")      ? height + base
               : text.contains("differenza") ? std::abs(base - height)
               : text.contains("base")       ? base
               : text.contains("altezza")    ? height
                                             : -1;
    case CliccaRettangolo: {
        if (!match("ha (l'altezza|la base) uguale (.+) (della base|dell'altezza|del perimetro)\\."))
            return -1;
        static const QMap<QString, std::pair<int, int>> fractions = {
            {"a tre quinti", {3, 5}},    {"a cinque terzi", {5, 3}}, {"a tre settimi", {3, 7}},
            {"a quattro terzi", {4, 3}}, {"al doppio", {2, 1}},      {"alla metà", {1, 2}},
            {"al triplo", {3, 1}},       {"ad un terzo", {1, 3}},    {"a sette mezzi", {7, 2}},
            {"a tre ottavi", {3, 8}},    {"a due decimi", {2, 10}},  {"a tre decimi", {3, 10}}};
        const auto [num, den] = fractions.value(x.captured(2), {0, 1});
        return onlyChoice([&](int c) {
            const auto [a, b] = rectangle(h, c);
            const int whole = x.captured(3) == "della base"     ? b
                              : x.captured(3) == "dell'altezza" ? a
                                                                : 2 * (a + b);
            return num > 0 && (x.captured(1) == "la base" ? b : a) * den == whole * num;
        });
    }
    }
    return -1;
}

// Answers right, or wrong: the next choice, a number three too big, a word. (Taps on the
// number pad are the monkey's and the window tests'.)
void answer(const WindowHarness& h, TipoDomanda kind, int solution, bool right) {
    const int factors[] = {1, 8, 10, 6}; // the unit, then each segment in cm
    if (kind == QuattroMisure)
        for (int i = 0; i < (right ? 4 : 1); ++i)
            h.type(Ctl(index(Ctl::Inp1) + i),
                   right ? QString::number(solution * factors[i]) : "nove");
    else if (kind == NumeroSuiSegmenti || kind == NumeroSulRettangolo)
        h.type(Ctl::Text1, QString::number(right ? solution : solution + 3));
    else
        h.click(choices(kind).at((right ? solution - 1 : solution) % 3));
}

} // namespace

class TestScriptedPupil : public QObject {
    Q_OBJECT
  private slots:
    void playsTheFirstPassAndIsGradedForIt() {
        WindowHarness h(1024, 768, 17);
        // Each results window: its place, grade word, then the dots of each row.
        QStringList seen;
        QString avviso;
        // The results window is modal: the click that opens it returns only once
        // it is closed, so the pupil reads it and presses PROSEGUI from a timer.
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            QWidget* d = openResults();
            if (d == nullptr || d->window() != &h.window)
                return;
            seen << QString("%1,%2 %3")
                        .arg(d->x())
                        .arg(d->y())
                        .arg(controlText(d->findChild<QWidget*>("RISULTATO")));
            for (QString row : QString("Ottimo Distinto Buono Sufficiente Occorre").split(' '))
                seen.last() +=
                    ' ' + QString::number(std::ranges::count_if(
                              d->findChildren<QWidget*>(QRegularExpression("^Sh" + row + "\\d+$")),
                              &QWidget::isVisible));
            avviso = h.text(Ctl::avviso);
            // Pins a fault: PROSEGUI held the focus, so Space pressed it too. Only PROSEGUI,
            // or a fresh Enter, leaves; not Escape, Space, Tab, a held Enter or Alt+F4.
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space})
                QTest::keyClick(d->window()->windowHandle(), key);
            QApplication::sendEvent(d, &held); // Enter still down from the last answer
            closeFromOutside(d->window());
            seen.last() += d->isVisible() ? "" : " gone";
            if (seen.size() % 2)
                QTest::keyClick(d->window()->windowHandle(), Qt::Key_Return);
            else
                QTest::mouseClick(d->findChild<QWidget*>("Command1"), Qt::LeftButton);
        });
        watcher.start(2);
        QString feedback; // what each answer showed while its pause held
        h.pause.during = [&] { feedback += h.text(Ctl::gratifica) + ' '; };

        QStringList expected;
        std::array<int, kRighe> dots{};
        int answers = 0, errors = 0;
        // A graded series opens at the corner, a pass end a fourteenth of the screen lower.
        auto graded = [&](Giudizio g, int top) {
            const auto row = rigaDelGiudizio(g);
            if (row)
                ++dots[std::size_t(*row)];
            expected << QString("0,%1 ").arg(top) +
                            (row ? aspettiGradi()[std::size_t(*row)].parola : "");
            for (int d : dots)
                expected.last() += ' ' + QString::number(d);
            answers = errors = 0;
        };
        std::set<TipoDomanda> kinds;
        std::set<int> rows;
        h.click(Ctl::VIA);
        for (int n = 1; n <= Modulo1::kQuestions; ++n) {
            checkFigures(h); // which also shows only the frames of the question's kind
            const int row = *rows.insert(h.text(Ctl::LbCodice).toInt()).first;
            const auto kind = TipoDomanda(cellNumber(h.window.modulo().domande(row, 0)));
            const int solution = solve(h, kind);
            if (kind == CliccaMisura) // the three choices look alike: none stands out by its size
                QVERIFY(h.window.control(Ctl::LbRisposta1)->font() ==
                            h.window.control(Ctl::LbRisposta2)->font() &&
                        h.window.control(Ctl::LbRisposta2)->font() ==
                            h.window.control(Ctl::LbRisposta3)->font());
            QVERIFY2(solution > 0, qPrintable(h.text(Ctl::LbDOMANDA)));
            // Each choice for a unit is the length or a unit of a segment: a slip, not a guess.
            const QString words = h.text(Ctl::LbDOMANDA);
            for (Ctl c : choices(CliccaMisura))
                QVERIFY(kind != CliccaMisura || !words.contains("l'unità") ||
                        std::ranges::any_of(std::array{1, 8, 10, 6}, [&](int k) {
                            return qFuzzyCompare(h.text(c).chopped(3).replace(',', '.').toDouble() *
                                                     k,
                                                 words.section(' ', 5, 5).toDouble());
                        }));
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
                graded(giudizioPerErrori(errors), 0);
            if (n == Modulo1::kQuestions) // and the pass: a grade if anything was judged since
                graded(answers > 0 ? giudizioPerErrori(errors) : Giudizio::SoloClassifica, 55);
            QCOMPARE(seen.join('|') + ' ' + h.counters(),
                     expected.join('|') + ' ' + QString("%1/%2").arg(answers).arg(errors));
        }
        QCOMPARE(avviso + QString::number(rows.size()),
                 "Bravo!! Hai risposto a tutte le domande.42");
        QVERIFY(dots[0] > 0 && dots[4] > 0 && dots[1] + dots[2] > 0); // best, worst, between
        // CLASSIFICA shows the same tally at the corner, grading nothing. Only FINE ends the
        // program: a close from the window system (Alt+F4) would lose the session's tally.
        h.click(Ctl::Command1);
        QCOMPARE(seen.last(), "0,0 " + expected.last().mid(expected.last().indexOf(' ', 5)));
        QCOMPARE(seen.size(), expected.size() + 1);
        QVERIFY(!h.window.findChild<QWidget*>("classificaform")); // each one destroyed once closed
        closeFromOutside(&h.window);
        h.click(Ctl::FINE);
        QCOMPARE(h.terminations, 1);
    }
};

QTEST_MAIN(TestScriptedPupil)
#include "tst_scripted_pupil.moc"
