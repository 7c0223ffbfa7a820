// SPDX-License-Identifier: GPL-3.0-or-later
// Every question of the bank as the real window paints its figures: the unit
// counts the question speaks of and no other figure, units that still look
// equal after the conversion to pixels so the pupil can count them, and
// outlines that stay closed.
#include "../forms/windowharness.h"

#include <QTest>

#include <algorithm>

namespace {

constexpr int kLastSegmentQuestion = 24;
constexpr int kSegmentUnits[] = {8, 10, 6};
constexpr Ctl kSegmentLabels[] = {Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3};
constexpr float kLabelOverhang = 200; // a segment's label is this much longer than its strip

// Height and base of each rectangle as questions 25..41 speak of them, for FrRet1
// (in the middle), FrRet2 (left) and FrRet3 (right); 0 x 0: not shown (kind 5).
constexpr int kRectangles[][6] = {
    {3, 4, 0, 0, 0, 0}, {4, 8, 0, 0, 0, 0}, {2, 5, 0, 0, 0, 0}, {6, 3, 0, 0, 0, 0}, // 25-28
    {3, 4, 0, 0, 0, 0}, {5, 3, 3, 5, 3, 7}, {5, 3, 3, 5, 3, 7}, {7, 3, 3, 5, 3, 7}, // 29-32
    {4, 3, 3, 4, 3, 5}, {2, 1, 6, 4, 1, 2}, {1, 3, 2, 1, 1, 2}, {1, 3, 3, 6, 3, 1}, // 33-36
    {3, 1, 6, 2, 1, 3}, {2, 7, 7, 2, 4, 1}, {8, 3, 3, 8, 3, 5}, {3, 2, 2, 3, 2, 8}, // 37-40
    {3, 2, 3, 7, 2, 3},                                                             // 41
};

// A painted row of pieces along its length: where it starts and ends (one past
// its last pixel), the length of each piece and the gaps between them.
struct Row {
    int start = 0;
    int end = 0;
    std::vector<int> lengths;
    std::vector<int> gaps;
};

Row rowOf(const std::vector<PaintedPiece>& all, int from, int count, bool vertical) {
    Row r;
    for (int i = from; i < from + count; ++i) {
        const QRect& p = all[static_cast<std::size_t>(i)].rect;
        const int start = vertical ? p.top() : p.left();
        if (i == from)
            r.start = start;
        else
            r.gaps.push_back(start - r.end);
        r.end = (vertical ? p.bottom() : p.right()) + 1;
        r.lengths.push_back(r.end - start);
    }
    return r;
}

int spread(const std::vector<int>& values) {
    if (values.empty())
        return 0;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    return *hi - *lo;
}

const FigureFrame* frameOf(WindowHarness& h, Ctl id) {
    return static_cast<const FigureFrame*>(h.window.control(id));
}

bool inside(const FigureFrame* frame) {
    return std::all_of(frame->pieces().begin(), frame->pieces().end(),
                       [frame](const PaintedPiece& p) { return frame->rect().contains(p.rect); });
}

void checkStrip(WindowHarness& h, std::size_t i) {
    const int n = kSegmentUnits[i];
    const Stage& s = h.window.logic().stage();
    // In twips: n units of W / 20 less one gap of W / 200, and the label longer still.
    const double w = h.screen.widthTwips();
    QCOMPARE(qRound(s[kSegmentFrames[i]].geometry.width), qRound(w * n / 20 - w / 200));
    QCOMPARE(s[kSegmentLabels[i]].geometry.width,
             s[kSegmentFrames[i]].geometry.width + kLabelOverhang);

    const FigureFrame* frame = frameOf(h, kSegmentFrames[i]);
    const auto& pieces = frame->pieces();
    QCOMPARE(static_cast<int>(pieces.size()), n);
    QVERIFY(inside(frame));
    const Row r = rowOf(pieces, 0, n, false);
    // Units equal to the pixel, and every gap shows, so they can be counted one by one.
    QVERIFY(spread(r.lengths) <= 1);
    QVERIFY(spread(r.gaps) <= 1);
    QVERIFY(*std::min_element(r.gaps.begin(), r.gaps.end()) >= 1);
    // The frame is exactly as long and as thick as the strip.
    QCOMPARE(r.start, 0);
    QCOMPARE(r.end, frame->width());
    for (const PaintedPiece& p : pieces)
        QCOMPARE(p.rect.height(), frame->height());
    QCOMPARE(pieces.front().fill, toQColor(colour::kRed));
    QCOMPARE(pieces.back().fill, toQColor(colour::kBlue));
}

void checkOutline(WindowHarness& h, Ctl id, int a, int b) {
    const FigureFrame* frame = frameOf(h, id);
    const auto& all = frame->pieces();
    QCOMPARE(static_cast<int>(all.size()), 2 * a + 2 * b);
    QVERIFY(inside(frame));
    // The window paints the left side, the right side, the bottom and the top, in this order.
    const Row left = rowOf(all, 0, a, true);
    const Row right = rowOf(all, a, a, true);
    const Row bottom = rowOf(all, 2 * a, b, false);
    const Row top = rowOf(all, 2 * a + b, b, false);
    std::vector<int> units;
    for (const Row* side : {&left, &right, &bottom, &top}) {
        QVERIFY(std::all_of(side->gaps.begin(), side->gaps.end(), [](int g) { return g == 0; }));
        units.insert(units.end(), side->lengths.begin(), side->lengths.end());
    }
    // Each height side runs unbroken over the whole frame height.
    for (const Row* side : {&left, &right}) {
        QCOMPARE(side->start, 0);
        QCOMPARE(side->end, frame->height());
    }
    // The bases meet both height sides: no visible gap at either end.
    const int leftEdge = all.front().rect.right() + 1;
    const int rightEdge = all[static_cast<std::size_t>(a)].rect.left();
    for (const Row* base : {&bottom, &top}) {
        QVERIFY(base->start >= leftEdge && base->start <= leftEdge + 1);
        QCOMPARE(base->end, rightEdge);
    }
    QCOMPARE(all[static_cast<std::size_t>(2 * a + b)].rect.top(), 0);
    QVERIFY(frame->height() - (all[static_cast<std::size_t>(2 * a)].rect.bottom() + 1) <= 1);
    // One unit length for all four sides, to within a pixel.
    QVERIFY(spread(units) <= 1);
}

} // namespace

class TestFigurePixels : public QObject {
    Q_OBJECT
  private slots:
    void everyQuestionShowsItsUnitsCountably_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("question");
        for (auto [w, h] : {std::pair{1024, 768}, {800, 600}, {1366, 768}, {1920, 1080}})
            for (int q = 0; q < Modulo1::kQuestions; ++q)
                QTest::addRow("%d x %d, question %d", w, h, q) << w << h << q;
    }

    void everyQuestionShowsItsUnitsCountably() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, question);
        WindowHarness h(width, height);
        // Its neighbours first: the question must not inherit their figures.
        constexpr int n = Modulo1::kQuestions;
        h.putQuestion((question + 1) % n);
        h.putQuestion((question + n - 1) % n);
        h.putQuestion(question);
        QCOMPARE(h.window.modulo().ndomanda, question);

        const bool segments = question <= kLastSegmentQuestion;
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(h.visible(kSegmentFrames[i]), segments);
            QCOMPARE(h.visible(kSegmentLabels[i]), segments);
            if (segments)
                checkStrip(h, i);
            if (QTest::currentTestFailed())
                return;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const int* units =
                segments ? nullptr : kRectangles[question - kLastSegmentQuestion - 1];
            const int a = units ? units[2 * i] : 0;
            QCOMPARE(h.visible(kRectangleFrames[i]), a > 0);
            if (a > 0)
                checkOutline(h, kRectangleFrames[i], a, units[2 * i + 1]);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(TestFigurePixels)
#include "tst_figurepixels.moc"
