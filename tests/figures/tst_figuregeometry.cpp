// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the segment strips and rectangle outlines, in twips.
#include "core/figures/figuregeometry.h"

#include <QTest>

#include <limits>
#include <vector>

Q_DECLARE_METATYPE(Cell)
Q_DECLARE_METATYPE(FrameSize)

namespace {

constexpr double kW = 12000; // screen width of the worked examples
constexpr float kThick = 60; // thickness of an outline's sides
constexpr float kInset = 62; // how far an outline's bases sit inside its height sides

Cell whole(int n) {
    return Cell{static_cast<std::int16_t>(n)};
}

// The pieces of a row up to its last visible one: a hidden piece among them, or a
// visible one left over from an earlier layout, makes the comparison fail.
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
    // Doubling the screen width doubles every length of a strip.
    void stripHasTheWorkedExampleSizes_data() {
        QTest::addColumn<double>("screen");
        QTest::addColumn<bool>("upright");
        QTest::addColumn<Cell>("count");
        QTest::addColumn<int>("units");
        QTest::newRow("segment 1, 8 units") << kW << false << whole(8) << 8;
        QTest::newRow("segment 2, 10 units") << kW << false << whole(10) << 10;
        QTest::newRow("segment 3, 6 units") << kW << false << whole(6) << 6;
        QTest::newRow("count as single") << kW << false << Cell{8.0f} << 8;
        QTest::newRow("upright, 8 units") << kW << true << whole(8) << 8;
        QTest::newRow("upright, one unit") << kW << true << whole(1) << 1;
        QTest::newRow("screen twice as wide") << 2 * kW << false << whole(8) << 8;
        QTest::newRow("upright, screen twice as wide") << 2 * kW << true << whole(10) << 10;
    }
    void stripHasTheWorkedExampleSizes() {
        QFETCH(double, screen);
        QFETCH(bool, upright);
        QFETCH(Cell, count);
        QFETCH(int, units);
        SegmentFigure f;
        dimensionaSegmento(f, kW, whole(1), whole(10)); // its pieces must not linger
        dimensionaSegmento(f, screen, whole(upright ? 0 : 1), count);
        // At 12000 twips a unit is 600 with a gap of 60: 4740 for 8 units.
        const auto unit = static_cast<float>(screen / 20);
        const float gap = unit / 10;
        const float length = unit * static_cast<float>(units) - gap;
        QCOMPARE(f.frame, (upright ? FrameSize{true, gap, length} : FrameSize{true, length, gap}));
        std::vector<PieceGeometry> expected;
        for (int i = 0; i < units; ++i) {
            const float at = unit * static_cast<float>(i); // 0, 600, ... 4200
            expected.push_back(upright ? PieceGeometry{true, 0, at, gap, unit - gap}
                                       : PieceGeometry{true, at, 0, unit - gap, gap});
        }
        QCOMPARE(shown(f.pieces), expected);
    }

    void otherOrientationOnlyShowsTheFrame() {
        SegmentFigure f;
        dimensionaSegmento(f, kW, whole(1), whole(6));
        f.frame.visible = false;
        const SegmentFigure before = f;
        for (const Cell& o : {whole(2), whole(-1), Cell{0.5f}}) {
            dimensionaSegmento(f, kW, o, whole(10));
            QCOMPARE(f.pieces, before.pieces);
            QCOMPARE(f.frame, (FrameSize{true, before.frame.width, before.frame.height}));
        }
    }

    // On a wider screen the unit lengths double; the side thickness and the
    // offsets built on it (62, 140) are fixed layout values.
    void rectangleHasTheWorkedExampleSizes_data() {
        QTest::addColumn<double>("screen");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<double>("unit");
        QTest::addColumn<FrameSize>("frame");
        // Question 25's right pieces sit at Left 2062, its bottom pieces at Top 1438.
        QTest::newRow("question 25, 3 x 4") << kW << 3 << 4 << 500.0 << FrameSize{true, 2140, 1500};
        QTest::newRow("question 34 left, 6 x 4")
            << kW << 6 << 4 << 2000.0 / 6
            << FrameSize{true, static_cast<float>(8000.0 / 6 + 140), 2000};
        QTest::newRow("question 34 middle, 2 x 1")
            << kW << 2 << 1 << 1000.0 << FrameSize{true, 1140, 2000};
        QTest::newRow("question 34 right, 1 x 2")
            << kW << 1 << 2 << 1000.0 << FrameSize{true, 2140, 1000};
        QTest::newRow("full sides 8 x 8") << kW << 8 << 8 << 250.0 << FrameSize{true, 2140, 2000};
        QTest::newRow("question 25, screen twice as wide")
            << 2 * kW << 3 << 4 << 1000.0 << FrameSize{true, 4140, 3000};
        QTest::newRow("6 x 4, screen twice as wide")
            << 2 * kW << 6 << 4 << 4000.0 / 6
            << FrameSize{true, static_cast<float>(16000.0 / 6 + 140), 4000};
    }
    void rectangleHasTheWorkedExampleSizes() {
        QFETCH(double, screen);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(double, unit);
        QFETCH(FrameSize, frame);
        RectangleFigure f;
        dimensionaRettangolo(f, kW, whole(8), whole(8), whole(2500)); // every piece shown before
        dimensionaRettangolo(f, screen, whole(a), whole(b), whole(2500));
        QCOMPARE(f.frame, frame);

        const auto u = static_cast<float>(unit);
        std::vector<PieceGeometry> left, right, bottom, top;
        for (int i = 0; i < a; ++i) {
            const auto y = static_cast<float>(i * unit);
            left.push_back({true, 0, y, kThick, u});
            right.push_back({true, static_cast<float>(b * unit + kInset), y, kThick, u});
        }
        for (int i = 0; i < b; ++i) {
            const auto x = static_cast<float>(i * unit + kInset);
            bottom.push_back({true, x, static_cast<float>(a * unit - kInset), u, kThick});
            top.push_back({true, x, 0, u, kThick});
        }
        QCOMPARE(shown(f.altezza1), left);
        QCOMPARE(shown(f.altezza2), right);
        QCOMPARE(shown(f.base1), bottom);
        QCOMPARE(shown(f.base2), top);
    }

    // Counts the piece arrays cannot hold never come from the bank; called so, the
    // procedures must hide every piece (no crash, no division by zero, no index
    // outside the arrays) and show the frame empty at the size it had.
    void countsThePiecesCannotShowAreRefused_data() {
        QTest::addColumn<bool>("rectangle");
        QTest::addColumn<Cell>("a"); // a strip's count, a rectangle's height
        QTest::addColumn<Cell>("b"); // a rectangle's base
        QTest::addColumn<double>("screenWidth");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("strip, zero units") << false << whole(0) << Cell{} << kW;
        QTest::newRow("strip, eleven units") << false << whole(11) << Cell{} << kW;
        QTest::newRow("strip, largest integer") << false << whole(32767) << Cell{} << kW;
        QTest::newRow("strip, part of a unit") << false << Cell{2.5f} << Cell{} << kW;
        QTest::newRow("strip, not a number") << false << Cell{nan} << Cell{} << kW;
        QTest::newRow("strip, text") << false << Cell{std::string("8")} << Cell{} << kW;
        QTest::newRow("strip, zero screen") << false << whole(8) << Cell{} << 0.0;
        QTest::newRow("rectangle, zero height") << true << whole(0) << whole(4) << kW;
        QTest::newRow("rectangle, nine high") << true << whole(9) << whole(4) << kW;
        QTest::newRow("rectangle, nine wide") << true << whole(3) << whole(9) << kW;
        QTest::newRow("rectangle, negative base") << true << whole(3) << whole(-1) << kW;
        QTest::newRow("rectangle, empty cells") << true << Cell{} << Cell{} << kW;
        QTest::newRow("rectangle, infinite screen") << true << whole(3) << whole(4) << inf;
    }

    void countsThePiecesCannotShowAreRefused() {
        QFETCH(bool, rectangle);
        QFETCH(Cell, a);
        QFETCH(Cell, b);
        QFETCH(double, screenWidth);
        const FrameSize before{false, 855, 3855};
        if (rectangle) {
            RectangleFigure f;
            dimensionaRettangolo(f, kW, whole(8), whole(8), whole(2500));
            f.frame = before;
            dimensionaRettangolo(f, screenWidth, a, b, whole(2500));
            QCOMPARE(f.frame, (FrameSize{true, before.width, before.height}));
            for (const auto* side : {&f.altezza1, &f.altezza2, &f.base1, &f.base2})
                QVERIFY(shown(*side).empty());
            return;
        }
        for (int o : {0, 1}) {
            SegmentFigure f;
            dimensionaSegmento(f, kW, whole(1), whole(10));
            f.frame = before;
            dimensionaSegmento(f, screenWidth, whole(o), a);
            QCOMPARE(f.frame, (FrameSize{true, before.width, before.height}));
            QVERIFY(shown(f.pieces).empty());
        }
    }
};

QTEST_APPLESS_MAIN(TestFigureGeometry)
#include "tst_figuregeometry.moc"
