// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the segment strips and rectangle outlines, in twips.
#include "core/figures/figuregeometry.h"
#include <QTest>

constexpr double kW = 12000; // the screen width of the worked examples
// How many pieces show, all at the front; -1 when a shown one follows a hidden one.
template <std::size_t N> static int shown(const std::array<PieceGeometry, N>& row) {
    const auto n = std::find_if(row.begin(), row.end(), [](auto& p) { return !p.visible; });
    return std::any_of(n, row.end(), [](auto& p) { return p.visible; }) ? -1 : n - row.begin();
}

class TestFigureGeometry : public QObject {
    Q_OBJECT
  private slots:
    // A unit is W/20, gapped W/200: 8 units take 4740 twips at W = 12000. An outline's
    // longer side is W/6, its sides 60 thick, bases 62 inside, the frame 140 wider.
    void figuresHaveTheWorkedExampleSizes() {
        SegmentFigure s;
        dimensionaSegmento(s, kW, integer(1), integer(10)); // these pieces must not linger
        dimensionaSegmento(s, kW, integer(1), integer(8));
        QVERIFY(s.frame == (FrameSize{true, 4740, 60}) && shown(s.pieces) == 8);
        QCOMPARE(s.pieces[7], (PieceGeometry{true, 4200, 0, 540, 60}));
        dimensionaSegmento(s, 2 * kW, integer(0), Cell{10.0f}); // upright, on twice the width
        QVERIFY(s.frame == (FrameSize{true, 120, 11880}) && shown(s.pieces) == 10);
        QCOMPARE(s.pieces[9], (PieceGeometry{true, 0, 10800, 120, 1080}));
        dimensionaSegmento(s, kW, integer(0), integer(1));
        QVERIFY(s.frame == (FrameSize{true, 60, 540}) && shown(s.pieces) == 1);
        RectangleFigure r;
        dimensionaRettangolo(r, 2 * kW, integer(8), integer(8), integer(2500));
        QCOMPARE(r.frame, (FrameSize{true, 4140, 4000}));
        QCOMPARE(r.base1[7], (PieceGeometry{true, 3562, 3938, 500, 60}));
        dimensionaRettangolo(r, kW, integer(3), integer(4), integer(2500)); // question 25
        QCOMPARE(r.frame, (FrameSize{true, 2140, 1500}));
        QVERIFY(shown(r.altezza1) + shown(r.altezza2) == 6 && shown(r.base1) + shown(r.base2) == 8);
        QCOMPARE(r.altezza2[2], (PieceGeometry{true, 2062, 1000, 60, 500}));
        QCOMPARE(r.base1[3], (PieceGeometry{true, 1562, 1438, 500, 60}));
    }
    // Such counts, never in the bank, hide every piece (no crash, no index outside the
    // arrays) and show the frame empty as it was; another orientation changes nothing.
    void countsThePiecesCannotShowAreRefused() {
        using Row = std::tuple<int, Cell, int, double>; // orientation (-1: a x b), a, b, W
        for (const auto& [o, a, b, w] :
             {Row(0, integer(11), 0, kW), Row(1, Cell{2.5f}, 0, kW),
              Row(0, Cell{std::nanf("")}, 0, kW), Row(1, integer(8), 0, 0.0),
              Row(2, integer(8), 0, kW), Row(-1, integer(0), 4, kW), Row(-1, integer(3), 9, kW),
              Row(-1, integer(3), 4, HUGE_VAL)}) {
            SegmentFigure s;
            RectangleFigure r;
            dimensionaSegmento(s, kW, integer(1), integer(6));
            dimensionaRettangolo(r, kW, integer(8), integer(8), integer(2500));
            s.frame = r.frame = {false, 855, 3855};
            if (o < 0)
                dimensionaRettangolo(r, w, a, integer(b), integer(2500));
            else
                dimensionaSegmento(s, w, integer(o), a);
            QCOMPARE(o < 0 ? r.frame : s.frame, (FrameSize{true, 855, 3855}));
            QCOMPARE(o < 0 ? shown(r.altezza1) + shown(r.altezza2) + shown(r.base1) + shown(r.base2)
                           : shown(s.pieces),
                     o == 2 ? 6 : 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestFigureGeometry)
#include "tst_figuregeometry.moc"
