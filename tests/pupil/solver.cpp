// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver.h"

#include <QMap>
#include <QRegularExpression>

namespace {

// Height and base of the rectangle in FrRet2, FrRet1 or FrRet3 (left to right),
// from the sides it paints, upright or lying.
std::pair<int, int> rectangle(const WindowHarness& h, int choice) {
    int tall = 0;
    int wide = 0;
    const Ctl frames[] = {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3};
    for (const PaintedPiece& p : h.frame(frames[choice - 1])->pieces())
        ++(p.rect.height() > p.rect.width() ? tall : wide);
    return {tall / 2, wide / 2};
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

TipoDomanda kindOnScreen(const WindowHarness& h) {
    using enum TipoDomanda;
    const bool segments = h.visible(Ctl::FrSegmento1);
    if (h.visible(Ctl::Text1))
        return segments ? NumeroSuiSegmenti : NumeroSulRettangolo;
    return h.visible(Ctl::Inp1)          ? QuattroMisure
           : h.visible(Ctl::LbRisposta1) ? CliccaMisura
           : segments                    ? CliccaSegmento
                                         : CliccaRettangolo;
}

int solve(const WindowHarness& h) {
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
    switch (kindOnScreen(h)) {
    case TipoDomanda::NumeroSuiSegmenti:
        return match("nel (\\d)° segmento") ? units(n(1)) : -1;
    case TipoDomanda::CliccaSegmento:
        if (!match("ha (\\d+) unità") &&
            (!match("è (\\d+)/(\\d+) del (\\w+) segmento") || named(3) != n(2)))
            return -1;
        return onlyChoice([&](int c) { return units(c) == n(1); });
    case TipoDomanda::CliccaMisura: {
        if (!match("il (\\w+) segmento misura (\\d+) cm, quanto misura (l'unità frazionaria|il "
                   "(\\w+) segmento)") ||
            named(1) == 0)
            return -1;
        const double unit = n(2) / double(named(1));
        const double asked = x.captured(4).isEmpty() ? unit : unit * named(4);
        const QString caption = QString::number(asked, 'g', 6).replace('.', ',') + " cm";
        const Ctl labels[] = {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3};
        return onlyChoice([&](int c) { return h.text(labels[c - 1]) == caption; });
    }
    case TipoDomanda::QuattroMisure: {
        if (!match("(somma|differenza) (?:del|tra il) (\\w+) segmento (?:con|ed) il (\\w+) è "
                   "(\\d+) cm"))
            return -1;
        const int step = x.captured(1) == "somma" ? named(2) + named(3) : named(2) - named(3);
        return step > 0 && n(4) % step == 0 ? n(4) / step : -1;
    }
    case TipoDomanda::NumeroSulRettangolo:
        return text.contains("perimetro")    ? 2 * (height + base)
               : text.contains("somma")      ? height + base
               : text.contains("differenza") ? std::abs(base - height)
               : text.contains("base")       ? base
               : text.contains("altezza")    ? height
                                             : -1;
    case TipoDomanda::CliccaRettangolo: {
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
