// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the segment strips and rectangle outlines in twips, the colours
// of their pieces, and the figures each question puts on the stage.
#include "../exercise/harness.h"
#include "core/figures/piecelook.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(Cell)

namespace {

constexpr double kW = 12000; // screen width of the worked examples

// The pieces up to the last visible one: a hidden piece among them, or one left
// visible from an earlier layout, makes a comparison fail.
template <std::size_t N> std::vector<PieceGeometry> shown(const std::array<PieceGeometry, N>& row) {
    std::size_t end = N;
    while (end > 0 && !row[end - 1].visible)
        --end;
    return {row.begin(), row.begin() + static_cast<std::ptrdiff_t>(end)};
}

} // namespace

class TestFigureGeometry : public QObject {
    Q_OBJECT
  private slots:
    // A unit is W/20 with a gap of W/200: at W = 12000, 600 and 60, so 4740 for 8 units.
    void stripHasTheWorkedExampleSizes_data() {
        QTest::addColumn<double>("screen");
        QTest::addColumn<bool>("upright");
        QTest::addColumn<Cell>("count");
        QTest::addColumn<float>("unit");
        QTest::newRow("8 units") << kW << false << integer(8) << 600.0f;
        QTest::newRow("8 as a single, screen twice as wide")
            << 2 * kW << false << Cell{8.0f} << 1200.0f;
        QTest::newRow("upright, 10 units") << kW << true << integer(10) << 600.0f;
        QTest::newRow("upright, 1 unit") << kW << true << integer(1) << 600.0f;
    }
    void stripHasTheWorkedExampleSizes() {
        QFETCH(bool, upright);
        QFETCH(Cell, count);
        QFETCH(float, unit);
        SegmentFigure f;
        dimensionaSegmento(f, kW, integer(1), integer(10)); // its pieces must not linger
        QFETCH(double, screen);
        dimensionaSegmento(f, screen, integer(upright ? 0 : 1), count);
        const auto units = static_cast<float>(cellNumber(count));
        const float gap = unit / 10;
        const float length = unit * units - gap; // 4740 for 8 units of 600
        QCOMPARE(f.frame, (upright ? FrameSize{true, gap, length} : FrameSize{true, length, gap}));
        std::vector<PieceGeometry> expected;
        for (float at = 0; at < unit * units; at += unit)
            expected.push_back(upright ? PieceGeometry{true, 0, at, gap, unit - gap}
                                       : PieceGeometry{true, at, 0, unit - gap, gap});
        QCOMPARE(shown(f.pieces), expected);
    }

    // The longer side is W/6 in units; sides are 60 thick, bases sit 62 inside the
    // height sides, and the frame is 140 wider than the base.
    void rectangleHasTheWorkedExampleSizes_data() {
        QTest::addColumn<double>("screen");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<double>("unit");
        QTest::newRow("question 25, 3 x 4") << kW << 3 << 4 << 500.0;
        QTest::newRow("6 x 4") << kW << 6 << 4 << 2000.0 / 6;
        QTest::newRow("1 x 2") << kW << 1 << 2 << 1000.0;
        QTest::newRow("8 x 8, screen twice as wide") << 2 * kW << 8 << 8 << 500.0;
    }
    void rectangleHasTheWorkedExampleSizes() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(double, unit);
        RectangleFigure f;
        dimensionaRettangolo(f, kW, integer(8), integer(8), integer(2500)); // all shown before
        QFETCH(double, screen);
        dimensionaRettangolo(f, screen, integer(a), integer(b), integer(2500));
        const auto u = static_cast<float>(unit);
        QCOMPARE(f.frame, (FrameSize{true, static_cast<float>(b * unit + 140),
                                     static_cast<float>(a * unit)}));
        std::vector<PieceGeometry> left, right, bottom, top;
        for (int i = 0; i < a; ++i) {
            left.push_back({true, 0, static_cast<float>(i * unit), 60, u});
            right.push_back(
                {true, static_cast<float>(b * unit + 62), static_cast<float>(i * unit), 60, u});
        }
        for (int i = 0; i < b; ++i) {
            bottom.push_back({true, static_cast<float>(i * unit + 62),
                              static_cast<float>(a * unit - 62), u, 60});
            top.push_back({true, static_cast<float>(i * unit + 62), 0, u, 60});
        }
        QVERIFY(shown(f.altezza1) == left && shown(f.altezza2) == right);
        QVERIFY(shown(f.base1) == bottom && shown(f.base2) == top);
    }

    // Such counts never come from the bank; called so, the layout hides every piece
    // (no crash, no division by zero, no index outside the arrays) and shows the
    // frame empty at the size it had. Another orientation leaves the pieces alone.
    void countsThePiecesCannotShowAreRefused_data() {
        QTest::addColumn<int>("orientation"); // -1: a rectangle of a x b
        QTest::addColumn<Cell>("a");
        QTest::addColumn<Cell>("b");
        QTest::addColumn<double>("screen");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("strip, 0") << 1 << integer(0) << Cell{} << kW;
        QTest::newRow("strip, 11") << 0 << integer(11) << Cell{} << kW;
        QTest::newRow("strip, 2.5") << 1 << Cell{2.5f} << Cell{} << kW;
        QTest::newRow("strip, NaN")
            << 0 << Cell{std::numeric_limits<float>::quiet_NaN()} << Cell{} << kW;
        QTest::newRow("strip, text") << 1 << Cell{std::string("8")} << Cell{} << kW;
        QTest::newRow("strip, screen 0") << 1 << integer(8) << Cell{} << 0.0;
        QTest::newRow("strip, screen -1") << 0 << integer(8) << Cell{} << -1.0;
        QTest::newRow("orientation 2") << 2 << integer(8) << Cell{} << kW;
        QTest::newRow("rectangle, 0 x 4") << -1 << integer(0) << integer(4) << kW;
        QTest::newRow("rectangle, 9 x 4") << -1 << integer(9) << integer(4) << kW;
        QTest::newRow("rectangle, 3 x 9") << -1 << integer(3) << integer(9) << kW;
        QTest::newRow("rectangle, 3 x -1") << -1 << integer(3) << integer(-1) << kW;
        QTest::newRow("rectangle, empty") << -1 << Cell{} << Cell{} << kW;
        QTest::newRow("rectangle, infinite screen") << -1 << integer(3) << integer(4) << inf;
    }
    void countsThePiecesCannotShowAreRefused() {
        QFETCH(int, orientation);
        QFETCH(Cell, a);
        QFETCH(Cell, b);
        QFETCH(double, screen);
        const FrameSize before{false, 855, 3855};
        const FrameSize after{true, 855, 3855};
        if (orientation < 0) {
            RectangleFigure f;
            dimensionaRettangolo(f, kW, integer(8), integer(8), integer(2500));
            f.frame = before;
            dimensionaRettangolo(f, screen, a, b, integer(2500));
            QCOMPARE(f.frame, after);
            QVERIFY(shown(f.altezza1).empty() && shown(f.altezza2).empty());
            QVERIFY(shown(f.base1).empty() && shown(f.base2).empty());
            return;
        }
        SegmentFigure f;
        dimensionaSegmento(f, kW, integer(1), integer(6));
        f.frame = before;
        const auto pieces = f.pieces;
        dimensionaSegmento(f, screen, integer(orientation), a);
        QCOMPARE(f.frame, after);
        QVERIFY(orientation == 2 ? f.pieces == pieces : shown(f.pieces).empty());
    }

    void eachQuestionPutsItsFiguresOnTheStage() {
        LogicHarness h(1, 800, 600);
        h.putQuestion(0); // strips of 8, 10 and 6 units
        const Stage& s = h.form.stage();
        const Ctl labels[] = {Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3};
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(shown(s.segmenti[i].pieces).size(), std::size_t{i == 0   ? 8u
                                                                     : i == 1 ? 10u
                                                                              : 6u});
            // Each strip's label reaches 200 twips past its frame.
            QCOMPARE(s[labels[i]].geometry.width, s[kSegmentFrames[i]].geometry.width + 200);
        }
        h.putQuestion(30); // 5 x 3 in FrRet1, 3 x 5 on its left in FrRet2, 3 x 7 in FrRet3
        const int sides[3][2] = {{5, 3}, {3, 5}, {3, 7}};
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(shown(s.rettangoli[i].altezza1).size(), std::size_t(sides[i][0]));
            QCOMPARE(shown(s.rettangoli[i].base1).size(), std::size_t(sides[i][1]));
        }
    }

    void neighbouringPiecesDifferAndTheTopSideOpensWithALightOrangeBorder() {
        using namespace colour;
        using S = RectangleSide;
        const auto is = [](PieceLook l, Rgb fill, Rgb border) {
            return l.fill == fill && l.border == border;
        };
        QVERIFY(is(segmentPieceLook(0), kRed, kRed) && is(segmentPieceLook(3), kBlue, kBlue));
        for (S side : {S::Altezza1, S::Altezza2})
            QVERIFY(is(rectanglePieceLook(side, 2), kOrange, kRed) &&
                    is(rectanglePieceLook(side, 3), kBlue, kDarkBlue));
        for (S side : {S::Base1, S::Base2})
            QVERIFY(is(rectanglePieceLook(side, 4), kYellow, kYellow) &&
                    is(rectanglePieceLook(side, 3), kDarkGreen, kDarkGreen));
        QVERIFY(is(rectanglePieceLook(S::Base2, 0), kYellow, kLightOrange) &&
                is(rectanglePieceLook(S::Base1, 0), kYellow, kYellow));
    }
};

QTEST_GUILESS_MAIN(TestFigureGeometry)
#include "tst_figuregeometry.moc"
