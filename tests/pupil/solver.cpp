// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

int segmentNumber(const QString& ordinal) {
    static const std::map<QString, int> n = {{"primo", 1}, {"secondo", 2}, {"terzo", 3}};
    const auto it = n.find(ordinal);
    return it == n.end() ? 0 : it->second;
}

int unitsOf(const QuestionOnScreen& q, const QString& ordinal) {
    const int n = segmentNumber(ordinal);
    return n == 0 ? 0 : q.segments[static_cast<std::size_t>(n - 1)];
}

int segmentWith(const QuestionOnScreen& q, int units) {
    const auto it = std::find(q.segments.begin(), q.segments.end(), units);
    return it == q.segments.end() ? -1 : int(it - q.segments.begin()) + 1;
}

// Fractions named in the rectangle questions, as numerator / denominator.
std::pair<int, int> fraction(const QString& words) {
    static const std::map<QString, std::pair<int, int>> f = {
        {"a tre quinti", {3, 5}},    {"a cinque terzi", {5, 3}}, {"a tre settimi", {3, 7}},
        {"a quattro terzi", {4, 3}}, {"al doppio", {2, 1}},      {"alla metà", {1, 2}},
        {"al triplo", {3, 1}},       {"ad un terzo", {1, 3}},    {"a sette mezzi", {7, 2}},
        {"a tre ottavi", {3, 8}},    {"a due decimi", {2, 10}},  {"a tre decimi", {3, 10}},
    };
    const auto it = f.find(words);
    return it == f.end() ? std::pair{0, 1} : it->second;
}

QString centimetres(double value) {
    return QString::number(value, 'g', 6).replace('.', ',') + " cm";
}

int solveSegments(const QuestionOnScreen& q) {
    QRegularExpressionMatch x;
    switch (q.kind) {
    case TipoDomanda::NumeroSuiSegmenti:
        x = QRegularExpression("nel (\\d)° segmento").match(q.text);
        return x.hasMatch() ? q.segments[std::size_t(x.captured(1).toInt() - 1) % 3] : -1;
    case TipoDomanda::CliccaSegmento:
        if ((x = QRegularExpression("ha (\\d+) unità").match(q.text)).hasMatch())
            return segmentWith(q, x.captured(1).toInt());
        x = QRegularExpression("è (\\d+)/(\\d+) del (\\w+) segmento").match(q.text);
        if (!x.hasMatch() || unitsOf(q, x.captured(3)) != x.captured(2).toInt())
            return -1;
        return segmentWith(q, x.captured(1).toInt());
    case TipoDomanda::CliccaMisura: {
        x = QRegularExpression("il (\\w+) segmento misura (\\d+) cm, quanto misura (l'unità "
                               "frazionaria|il (\\w+) segmento)")
                .match(q.text);
        if (!x.hasMatch() || unitsOf(q, x.captured(1)) == 0)
            return -1;
        const double unit = x.captured(2).toDouble() / unitsOf(q, x.captured(1));
        const double asked = x.captured(4).isEmpty() ? unit : unit * unitsOf(q, x.captured(4));
        int found = -1;
        for (int c = 0; c < 3; ++c)
            if (q.captions[std::size_t(c)] == centimetres(asked))
                found = found == -1 ? c + 1 : 0;
        return found;
    }
    case TipoDomanda::QuattroMisure: {
        x = QRegularExpression("(somma|differenza) (?:del|tra il) (\\w+) segmento (?:con|ed) il "
                               "(\\w+) è (\\d+) cm")
                .match(q.text);
        const int a = unitsOf(q, x.captured(2));
        const int b = unitsOf(q, x.captured(3));
        const int units = x.captured(1) == "somma" ? a + b : a - b;
        const int total = x.captured(4).toInt();
        return units != 0 && total % units == 0 ? total / units : -1;
    }
    default: // the rectangles' kinds
        break;
    }
    return -1;
}

int solveRectangles(const QuestionOnScreen& q) {
    if (q.kind == TipoDomanda::NumeroSulRettangolo) {
        // The one rectangle stands in the middle.
        const auto [h, b] = q.rectangles[1];
        if (q.text.contains("perimetro"))
            return 2 * (h + b);
        if (q.text.contains("somma"))
            return h + b;
        if (q.text.contains("differenza"))
            return std::abs(b - h);
        return q.text.contains("base") ? b : h;
    }
    const auto x = QRegularExpression("ha (l'altezza|la base) uguale (.+) (della base|dell'altezza|"
                                      "del perimetro)\\.")
                       .match(q.text);
    if (!x.hasMatch())
        return -1;
    const auto [num, den] = fraction(x.captured(2));
    int found = -1;
    for (int choice = 0; choice < 3; ++choice) {
        const auto [h, b] = q.rectangles[std::size_t(choice)];
        const int part = x.captured(1) == "l'altezza" ? h : b;
        const int whole = x.captured(3) == "della base"     ? b
                          : x.captured(3) == "dell'altezza" ? h
                                                            : 2 * (h + b);
        if (num != 0 && part * den == whole * num)
            found = found == -1 ? choice + 1 : 0;
    }
    return found;
}

} // namespace

int solve(const QuestionOnScreen& q) {
    if (conSegmenti(q.kind))
        return solveSegments(q);
    if (q.kind == TipoDomanda::NumeroSulRettangolo || q.kind == TipoDomanda::CliccaRettangolo)
        return solveRectangles(q);
    return -1;
}
