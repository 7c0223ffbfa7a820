// The figures every question of the bank puts on the stage, through the real
// sequencer: the unit counts the question speaks of, and no other figure.
#include "../exercise/harness.h"

#include <QTest>

#include <optional>

namespace {

constexpr int kLastSegmentQuestion = 24;
constexpr int kSegmentUnits[] = {8, 10, 6};
constexpr Ctl kSegmentControls[] = {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3,
                                    Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3};
constexpr Ctl kRectangleFrames[] = {Ctl::FrRet1, Ctl::FrRet2, Ctl::FrRet3};

struct Units {
    int altezza;
    int base;
};

// Height x base of each rectangle as the questions speak of them, on screen
// from left to right (FrRet2, FrRet1, FrRet3); kind 5 shows only the middle one.
struct RectangleQuestion {
    int question;
    std::optional<Units> left;
    Units middle;
    std::optional<Units> right;
};

const RectangleQuestion kRectangleQuestions[] = {
    {25, {}, {3, 4}, {}},
    {26, {}, {4, 8}, {}},
    {27, {}, {2, 5}, {}},
    {28, {}, {6, 3}, {}},
    {29, {}, {3, 4}, {}},
    {30, {{3, 5}}, {5, 3}, {{3, 7}}},
    {31, {{3, 5}}, {5, 3}, {{3, 7}}},
    {32, {{3, 5}}, {7, 3}, {{3, 7}}},
    {33, {{3, 4}}, {4, 3}, {{3, 5}}},
    {34, {{6, 4}}, {2, 1}, {{1, 2}}},
    {35, {{2, 1}}, {1, 3}, {{1, 2}}},
    {36, {{3, 6}}, {1, 3}, {{3, 1}}},
    {37, {{6, 2}}, {3, 1}, {{1, 3}}},
    {38, {{7, 2}}, {2, 7}, {{4, 1}}},
    {39, {{3, 8}}, {8, 3}, {{3, 5}}},
    {40, {{2, 3}}, {3, 2}, {{2, 8}}},
    {41, {{3, 7}}, {3, 2}, {{2, 3}}},
};

// The first `count` pieces visible, the others hidden.
template <std::size_t Size>
bool firstVisible(const std::array<PieceGeometry, Size>& pieces, int count) {
    for (std::size_t i = 0; i < Size; ++i)
        if (pieces[i].visible != (static_cast<int>(i) < count))
            return false;
    return true;
}

bool showsUnits(const RectangleFigure& f, Units u) {
    return firstVisible(f.altezza1, u.altezza) && firstVisible(f.altezza2, u.altezza) &&
           firstVisible(f.base1, u.base) && firstVisible(f.base2, u.base);
}

// What is wrong with the figures on the stage for `question`; empty if nothing.
QString faultOf(const Stage& stage, int question) {
    auto shown = [&stage](Ctl c) { return stage[c].visible; };
    if (question <= kLastSegmentQuestion) {
        for (Ctl c : kSegmentControls)
            if (!shown(c))
                return QStringLiteral("a segment frame or label is hidden");
        for (std::size_t i = 0; i < 3; ++i)
            if (!firstVisible(stage.segmenti[i].pieces, kSegmentUnits[i]))
                return QStringLiteral("segment %1 does not show %2 units")
                    .arg(i + 1)
                    .arg(kSegmentUnits[i]);
        for (Ctl c : kRectangleFrames)
            if (shown(c))
                return QStringLiteral("a rectangle is visible");
        return {};
    }

    for (Ctl c : kSegmentControls)
        if (shown(c))
            return QStringLiteral("a segment frame or label is visible");
    const auto& q = kRectangleQuestions[question - kLastSegmentQuestion - 1];
    if (q.question != question)
        return QStringLiteral("the expected table is out of order");
    // Stage::rettangoli holds the figures of FrRet1, FrRet2, FrRet3 in this order.
    const std::optional<Units> expected[] = {q.middle, q.left, q.right};
    for (std::size_t i = 0; i < 3; ++i) {
        if (shown(kRectangleFrames[i]) != expected[i].has_value())
            return QStringLiteral("FrRet%1 visible: %2").arg(i + 1).arg(shown(kRectangleFrames[i]));
        if (expected[i] && !showsUnits(stage.rettangoli[i], *expected[i]))
            return QStringLiteral("FrRet%1 does not show %2 x %3")
                .arg(i + 1)
                .arg(expected[i]->altezza)
                .arg(expected[i]->base);
    }
    return {};
}

} // namespace

class TestFigureBank : public QObject {
    Q_OBJECT
  private slots:
    void everyQuestionShowsTheUnitsItSpeaksOf();
    void figuresTakeTheirSizesFromTheScreenWidth();
};

void TestFigureBank::everyQuestionShowsTheUnitsItSpeaksOf() {
    // Forwards and then backwards on one window, so each question follows
    // others whose figures it must not inherit.
    LogicHarness h(7);
    h.form.Form_Load();
    std::vector<int> order;
    for (int q = 0; q < Modulo1::kQuestions; ++q)
        order.push_back(q);
    for (int q = Modulo1::kQuestions - 1; q >= 0; --q)
        order.push_back(q);
    for (int q : order) {
        h.putQuestion(q);
        QCOMPARE(h.modulo.ndomanda, q);
        const QString fault = faultOf(h.form.stage(), q);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("question %1: %2").arg(q).arg(fault)));
    }
}

void TestFigureBank::figuresTakeTheirSizesFromTheScreenWidth() {
    // 800 pixels of 15 twips: the screen is 12000 twips wide.
    LogicHarness h(7, 800, 600);
    h.form.Form_Load();
    const Stage& s = h.form.stage();
    h.putQuestion(0);
    const float frames[] = {4740, 5940, 3540};
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(s[kSegmentControls[i]].geometry.width, frames[i]);
        QCOMPARE(s[kSegmentControls[i]].geometry.height, 60.0f);
        // The label reaches past both ends of its strip.
        QCOMPARE(s[kSegmentControls[i + 3]].geometry.width, frames[i] + 200);
    }
    h.putQuestion(25);
    QCOMPARE(s[Ctl::FrRet1].geometry.width, 2140.0f);
    QCOMPARE(s[Ctl::FrRet1].geometry.height, 1500.0f);
    QCOMPARE(s.rettangoli[0].altezza2[0].left, 2062.0f);
    QCOMPARE(s.rettangoli[0].base1[0].top, 1438.0f);

    // The same strip on a screen twice as wide.
    LogicHarness wide(7, 1600, 1200);
    wide.form.Form_Load();
    wide.putQuestion(0);
    QCOMPARE(wide.form.stage()[Ctl::FrSegmento1].geometry.width, 2 * frames[0]);
}

QTEST_APPLESS_MAIN(TestFigureBank)
#include "tst_figurebank.moc"
