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
    // A unit is W/20 with a gap of W/200: at W = 12000, 8 units take 4740 twips. An
    // outline's longer side is W/6; its sides are 60 thick, the bases sit 62 inside
    // the height sides, and the frame is 140 wider than the base.
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
        QVERIFY(shown(r.altezza1) == 3 && shown(r.altezza2) == 3);
        QVERIFY(shown(r.base1) == 4 && shown(r.base2) == 4);
        QCOMPARE(r.altezza2[2], (PieceGeometry{true, 2062, 1000, 60, 500}));
        QCOMPARE(r.base1[3], (PieceGeometry{true, 1562, 1438, 500, 60}));
    }

    // Such counts never come from the bank; given them, the layout hides every piece
    // (no crash, no division by zero, no index outside the arrays) and shows the
    // frame empty at the size it had. Another orientation leaves the pieces alone.
    void countsThePiecesCannotShowAreRefused() {
        struct Row {
            int orientation; // -1: a rectangle of a x b
            Cell a;
            int b;
            double screen;
        };
        for (const Row& row : {Row{0, integer(11), 0, kW},
                               {1, Cell{2.5f}, 0, kW},
                               {0, Cell{std::nanf("")}, 0, kW},
                               {1, integer(8), 0, 0.0},
                               {2, integer(8), 0, kW},
                               {-1, integer(0), 4, kW},
                               {-1, integer(9), 4, kW},
                               {-1, integer(3), 9, kW},
                               {-1, integer(3), 4, HUGE_VAL}}) {
            SegmentFigure s;
            RectangleFigure r;
            dimensionaSegmento(s, kW, integer(1), integer(6));
            dimensionaRettangolo(r, kW, integer(8), integer(8), integer(2500));
            s.frame = r.frame = {false, 855, 3855};
            if (row.orientation < 0)
                dimensionaRettangolo(r, row.screen, row.a, integer(row.b), integer(2500));
            else
                dimensionaSegmento(s, row.screen, integer(row.orientation), row.a);
            QCOMPARE(row.orientation < 0 ? r.frame : s.frame, (FrameSize{true, 855, 3855}));
            QCOMPARE(row.orientation < 0
                         ? shown(r.altezza1) + shown(r.altezza2) + shown(r.base1) + shown(r.base2)
                         : shown(s.pieces),
                     row.orientation == 2 ? 6 : 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestFigureGeometry)
#include "tst_figuregeometry.moc"
