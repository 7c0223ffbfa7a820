// SPDX-License-Identifier: GPL-3.0-or-later
// The question bank is well formed and every expected answer follows from its figures.
#include "core/exercise/modulo1.h"
#include "solver.h"

#include <QTest>

namespace {

QString text(const Modulo1& m, int r, int c) {
    return QString::fromStdString(cellText(m.domande(r, c)));
}

int number(const Modulo1& m, int r, int c) {
    return static_cast<int>(cellNumber(m.domande(r, c)));
}

// The question as the pupil sees it, taken from the bank's row.
QuestionOnScreen onScreen(const Modulo1& m, int r) {
    QuestionOnScreen q;
    q.kind = static_cast<TipoDomanda>(number(m, r, 0));
    q.text = text(m, r, 1);
    for (int c = 0; c < 3; ++c)
        q.captions[std::size_t(c)] = text(m, r, 2 + c);
    if (q.kind == TipoDomanda::NumeroSulRettangolo)
        q.rectangles[1] = {number(m, r, 2), number(m, r, 3)};
    if (q.kind == TipoDomanda::CliccaRettangolo)
        for (int c = 0; c < 3; ++c)
            q.rectangles[std::size_t(c)] = {number(m, r, 2 + 2 * c), number(m, r, 3 + 2 * c)};
    return q;
}

} // namespace

class TestBank : public QObject {
    Q_OBJECT
  private slots:
    void tablesAreWellFormed();
    void expectedAnswerFollowsFromTheFigures_data();
    void expectedAnswerFollowsFromTheFigures();
};

void TestBank::tablesAreWellFormed() {
    Modulo1 m;
    riempiDomande(m);
    QCOMPARE(m.domande.rows(), 43);
    QCOMPARE(m.domande.cols(), 9);
    QCOMPARE(m.soluzioni.cols(), 6);
    for (int c = 0; c < 9; ++c)
        QVERIFY(isEmpty(m.domande(42, c)));
    for (int r = 0; r < 42; ++r) {
        const auto kind = static_cast<TipoDomanda>(number(m, r, 0));
        QVERIFY(kind >= TipoDomanda::NumeroSuiSegmenti && kind <= TipoDomanda::CliccaRettangolo);
        QVERIFY(!text(m, r, 1).isEmpty());
        QVERIFY(std::holds_alternative<std::int16_t>(m.soluzioni(r, 1)));
        for (int c : {0, 2, 3, 4, 5})
            QCOMPARE(m.soluzioni(r, c), Cell(std::string()));
        // Columns a kind leaves unused hold the empty string (2..5) or stay empty (6..8).
        const bool captions = kind == TipoDomanda::CliccaMisura;
        const int used = captions || kind == TipoDomanda::NumeroSulRettangolo ? 3
                         : kind == TipoDomanda::CliccaRettangolo              ? 7
                                                                              : 0;
        for (int c = 2; c <= 8; ++c) {
            const Cell& cell = m.domande(r, c);
            if (c - 2 < used)
                QVERIFY(captions ? std::holds_alternative<std::string>(cell)
                                 : std::holds_alternative<std::int16_t>(cell));
            else if (c <= 5)
                QCOMPARE(cell, Cell(std::string()));
            else
                QVERIFY(isEmpty(cell));
        }
        if (!conSegmenti(kind))
            for (int c = 2; c < 2 + used - 1; ++c)
                QVERIFY(number(m, r, c) >= 1 && number(m, r, c) <= 8);
    }
    QCOMPARE(number(m, 28, 4), 2000);
    QCOMPARE(text(m, 12, 1), QString("Se il primo segmento misura 80 cm, quanto misura il secondo "
                                     "segmento? "));
}

void TestBank::expectedAnswerFollowsFromTheFigures_data() {
    QTest::addColumn<int>("row");
    for (int r = 0; r < 42; ++r)
        QTest::newRow(qPrintable(QString("row %1").arg(r))) << r;
}

void TestBank::expectedAnswerFollowsFromTheFigures() {
    QFETCH(int, row);
    Modulo1 m;
    riempiDomande(m);
    QCOMPARE(solve(onScreen(m, row)), static_cast<int>(cellNumber(m.soluzioni(row, 1))));
}

QTEST_GUILESS_MAIN(TestBank)
#include "tst_bank.moc"
