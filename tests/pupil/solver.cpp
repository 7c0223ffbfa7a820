// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver.h"

#include <QRegularExpression>

#include <map>

namespace {

// Fractions named in the rectangle questions, as numerator and denominator.
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

// The one choice 1..3 that fits, 0 when more do, -1 when none does.
template <typename Fits> int onlyChoice(Fits fits) {
    int found = -1;
    for (int c = 1; c <= 3; ++c)
        if (fits(c))
            found = found == -1 ? c : 0;
    return found;
}

} // namespace

int solve(const QuestionOnScreen& q) {
    QRegularExpressionMatch x;
    auto match = [&](const char* pattern) {
        return (x = QRegularExpression(pattern).match(q.text)).hasMatch();
    };
    auto n = [&](int i) { return x.captured(i).toInt(); };
    auto units = [&](int i) {
        return q.segments.value(QStringList{"primo", "secondo", "terzo"}.indexOf(x.captured(i)));
    };
    switch (q.kind) {
    case TipoDomanda::NumeroSuiSegmenti:
        return match("nel (\\d)° segmento") ? q.segments.value(n(1) - 1, -1) : -1;
    case TipoDomanda::CliccaSegmento:
        if (match("ha (\\d+) unità"))
            return onlyChoice([&](int c) { return q.segments[c - 1] == n(1); });
        if (match("è (\\d+)/(\\d+) del (\\w+) segmento") && units(3) == n(2))
            return onlyChoice([&](int c) { return q.segments[c - 1] == n(1); });
        return -1;
    case TipoDomanda::CliccaMisura: {
        if (!match("il (\\w+) segmento misura (\\d+) cm, quanto misura (l'unità frazionaria|il "
                   "(\\w+) segmento)") ||
            units(1) == 0)
            return -1;
        const double unit = n(2) / double(units(1));
        const double asked = x.captured(4).isEmpty() ? unit : unit * units(4);
        const QString caption = QString::number(asked, 'g', 6).replace('.', ',') + " cm";
        return onlyChoice([&](int c) { return q.captions[c - 1] == caption; });
    }
    case TipoDomanda::QuattroMisure: {
        if (!match("(somma|differenza) (?:del|tra il) (\\w+) segmento (?:con|ed) il (\\w+) è "
                   "(\\d+) cm"))
            return -1;
        const int step = x.captured(1) == "somma" ? units(2) + units(3) : units(2) - units(3);
        return step > 0 && n(4) % step == 0 ? n(4) / step : -1;
    }
    case TipoDomanda::NumeroSulRettangolo: {
        const auto [h, b] = q.rectangles[1]; // the one rectangle stands in the middle
        if (q.text.contains("perimetro"))
            return 2 * (h + b);
        if (q.text.contains("somma"))
            return h + b;
        if (q.text.contains("differenza"))
            return std::abs(b - h);
        return q.text.contains("base") ? b : q.text.contains("altezza") ? h : -1;
    }
    case TipoDomanda::CliccaRettangolo:
        if (!match("ha (l'altezza|la base) uguale (.+) (della base|dell'altezza|del perimetro)\\."))
            return -1;
        return onlyChoice([&, f = fraction(x.captured(2))](int c) {
            const auto [h, b] = q.rectangles[c - 1];
            const int whole = x.captured(3) == "della base"     ? b
                              : x.captured(3) == "dell'altezza" ? h
                                                                : 2 * (h + b);
            return f.first > 0 &&
                   (x.captured(1) == "la base" ? b : h) * f.second == whole * f.first;
        });
    }
    return -1;
}
