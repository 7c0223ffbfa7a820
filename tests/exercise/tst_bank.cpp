// The question bank is well formed and every expected answer follows from its figures.
#include "exercise/modulo1.h"
#include "exercise/numbertext.h"

#include <QRegularExpression>
#include <QTest>

#include <map>

namespace {

const int kUnits[] = {8, 10, 6}; // units of segments 1, 2, 3

int segmentNumber(const QString& ordinal) {
    static const std::map<QString, int> n = {{"primo", 1}, {"secondo", 2}, {"terzo", 3}};
    return n.at(ordinal);
}

QString text(const Modulo1& m, int r, int c) {
    return QString::fromStdString(cellText(m.domande(r, c)));
}

int number(const Modulo1& m, int r, int c) {
    return static_cast<int>(cellNumber(m.domande(r, c)));
}

// Fractions named in kind 6 questions, as numerator / denominator.
std::pair<int, int> fraction(const QString& words) {
    static const std::map<QString, std::pair<int, int>> f = {
        {"a tre quinti", {3, 5}},    {"a cinque terzi", {5, 3}}, {"a tre settimi", {3, 7}},
        {"a quattro terzi", {4, 3}}, {"al doppio", {2, 1}},      {"alla metà", {1, 2}},
        {"al triplo", {3, 1}},       {"ad un terzo", {1, 3}},    {"a sette mezzi", {7, 2}},
        {"a tre ottavi", {3, 8}},    {"a due decimi", {2, 10}},  {"a tre decimi", {3, 10}},
    };
    return f.at(words);
}

// The answer a pupil should give, worked out from the question's words and figures.
int workedAnswer(const Modulo1& m, int r) {
    const QString q = text(m, r, 1);
    QRegularExpressionMatch x;
    switch (number(m, r, 0)) {
    case 1:
        x = QRegularExpression("nel (\\d)° segmento").match(q);
        return kUnits[x.captured(1).toInt() - 1];
    case 2:
        if ((x = QRegularExpression("ha (\\d+) unità").match(q)).hasMatch())
            return int(std::find(std::begin(kUnits), std::end(kUnits), x.captured(1).toInt()) -
                       std::begin(kUnits)) +
                   1;
        x = QRegularExpression("è (\\d+)/(\\d+) del (\\w+) segmento").match(q);
        if (kUnits[segmentNumber(x.captured(3)) - 1] != x.captured(2).toInt())
            return -1;
        return int(std::find(std::begin(kUnits), std::end(kUnits), x.captured(1).toInt()) -
                   std::begin(kUnits)) +
               1;
    case 3: {
        x = QRegularExpression("il (\\w+) segmento misura (\\d+) cm, quanto misura (l'unità "
                               "frazionaria|il (\\w+) segmento)")
                .match(q);
        const double unit = x.captured(2).toDouble() / kUnits[segmentNumber(x.captured(1)) - 1];
        const double asked =
            x.captured(4).isEmpty() ? unit : unit * kUnits[segmentNumber(x.captured(4)) - 1];
        const QString caption = QString::fromStdString(shortestDecimal(asked)) + " cm";
        int found = -1;
        for (int c = 2; c <= 4; ++c)
            if (text(m, r, c) == caption)
                found = found == -1 ? c - 1 : 0; // 0: more than one caption fits
        return found;
    }
    case 4: {
        x = QRegularExpression("(somma|differenza) (?:del|tra il) (\\w+) segmento (?:con|ed) il "
                               "(\\w+) è (\\d+) cm")
                .match(q);
        const int a = kUnits[segmentNumber(x.captured(2)) - 1];
        const int b = kUnits[segmentNumber(x.captured(3)) - 1];
        const int units = x.captured(1) == "somma" ? a + b : a - b;
        const int total = x.captured(4).toInt();
        return total % units == 0 ? total / units : -1;
    }
    case 5: {
        const int h = number(m, r, 2);
        const int b = number(m, r, 3);
        if (q.contains("perimetro"))
            return 2 * (h + b);
        if (q.contains("somma"))
            return h + b;
        if (q.contains("differenza"))
            return std::abs(b - h);
        if (q.contains("base"))
            return b;
        return h;
    }
    case 6: {
        x = QRegularExpression("ha (l'altezza|la base) uguale (.+) (della base|dell'altezza|del "
                               "perimetro)\\.")
                .match(q);
        const auto [num, den] = fraction(x.captured(2));
        int found = -1;
        for (int choice = 0; choice < 3; ++choice) {
            const int h = number(m, r, 2 + 2 * choice);
            const int b = number(m, r, 3 + 2 * choice);
            const int part = x.captured(1) == "l'altezza" ? h : b;
            const int whole = x.captured(3) == "della base"     ? b
                              : x.captured(3) == "dell'altezza" ? h
                                                                : 2 * (h + b);
            if (part * den == whole * num)
                found = found == -1 ? choice + 1 : 0;
        }
        return found;
    }
    }
    return -1;
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
        const int kind = number(m, r, 0);
        QVERIFY(kind >= 1 && kind <= 6);
        QVERIFY(!text(m, r, 1).isEmpty());
        QVERIFY(std::holds_alternative<std::int16_t>(m.soluzioni(r, 1)));
        for (int c : {0, 2, 3, 4, 5})
            QCOMPARE(m.soluzioni(r, c), Cell(std::string()));
        // Columns a kind leaves unused hold the empty string (2..5) or stay empty (6..8).
        const int used = kind == 3 || kind == 5 ? 3 : kind == 6 ? 7 : 0;
        for (int c = 2; c <= 8; ++c) {
            const Cell& cell = m.domande(r, c);
            if (c - 2 < used)
                QVERIFY(kind == 3 ? std::holds_alternative<std::string>(cell)
                                  : std::holds_alternative<std::int16_t>(cell));
            else if (c <= 5)
                QCOMPARE(cell, Cell(std::string()));
            else
                QVERIFY(isEmpty(cell));
        }
        if (kind >= 5)
            for (int c = 2; c < (kind == 5 ? 4 : 8); ++c)
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
    QCOMPARE(workedAnswer(m, row), static_cast<int>(cellNumber(m.soluzioni(row, 1))));
}

QTEST_GUILESS_MAIN(TestBank)
#include "tst_bank.moc"
