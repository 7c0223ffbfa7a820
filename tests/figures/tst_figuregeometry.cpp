// The layout of the segment strips and rectangle outlines, in twips.
#include "figures/figuregeometry.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Cell)

namespace {

constexpr double kW = 12000; // screen width of the worked examples

Cell whole(int n) {
    return Cell{static_cast<std::int16_t>(n)};
}

template <std::size_t Size> int visibleCount(const std::array<PieceGeometry, Size>& pieces) {
    int n = 0;
    for (const PieceGeometry& p : pieces)
        n += p.visible ? 1 : 0;
    return n;
}

// The first `count` pieces visible and touching one after the other, the rest hidden.
template <std::size_t Size>
bool contiguousRow(const std::array<PieceGeometry, Size>& side, int count, bool vertical) {
    for (int i = 0; i < static_cast<int>(Size); ++i) {
        const PieceGeometry& p = side[static_cast<std::size_t>(i)];
        if (p.visible != (i < count))
            return false;
        if (i == 0 || i >= count)
            continue;
        const PieceGeometry& q = side[static_cast<std::size_t>(i - 1)];
        const float end = vertical ? q.top + q.height : q.left + q.width;
        if (std::abs((vertical ? p.top : p.left) - end) > 0.01f)
            return false;
    }
    return true;
}

} // namespace

class TestFigureGeometry : public QObject {
    Q_OBJECT
  private slots:
    void horizontalStripHasTheWorkedExampleSizes_data();
    void horizontalStripHasTheWorkedExampleSizes();
    void uprightStripIsTheSameStripWithTheAxesSwapped();
    void otherOrientationOnlyShowsTheFrame();
    void relayoutHidesStalePieces();
    void rectangleHasTheWorkedExampleSizes_data();
    void rectangleHasTheWorkedExampleSizes();
    void doublingTheScreenWidthDoublesEveryLength();
    void stripRefusesCountsThePiecesCannotShow_data();
    void stripRefusesCountsThePiecesCannotShow();
    void rectangleRefusesCountsThePiecesCannotShow_data();
    void rectangleRefusesCountsThePiecesCannotShow();
};

void TestFigureGeometry::horizontalStripHasTheWorkedExampleSizes_data() {
    QTest::addColumn<Cell>("count");
    QTest::addColumn<int>("units");
    QTest::addColumn<float>("frameWidth");
    QTest::newRow("segment 1, 8 units") << whole(8) << 8 << 4740.0f;
    QTest::newRow("segment 2, 10 units") << whole(10) << 10 << 5940.0f;
    QTest::newRow("segment 3, 6 units") << whole(6) << 6 << 3540.0f;
    QTest::newRow("one unit") << whole(1) << 1 << 540.0f;
    QTest::newRow("count as single") << Cell{8.0f} << 8 << 4740.0f;
}

void TestFigureGeometry::horizontalStripHasTheWorkedExampleSizes() {
    QFETCH(Cell, count);
    QFETCH(int, units);
    QFETCH(float, frameWidth);
    SegmentFigure f;
    dimensionaSegmento(f, kW, whole(1), count);
    QCOMPARE(f.frame, (FrameSize{true, frameWidth, 60}));
    for (int i = 0; i < 10; ++i) {
        const PieceGeometry& p = f.pieces[static_cast<std::size_t>(i)];
        QCOMPARE(p.visible, i < units);
        if (i < units)
            QCOMPARE(p, (PieceGeometry{true, 600.0f * i, 0, 540, 60}));
    }
}

void TestFigureGeometry::uprightStripIsTheSameStripWithTheAxesSwapped() {
    SegmentFigure f;
    dimensionaSegmento(f, kW, whole(0), whole(8));
    QCOMPARE(f.frame, (FrameSize{true, 60, 4740}));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(f.pieces[static_cast<std::size_t>(i)],
                 (PieceGeometry{true, 0, 600.0f * i, 60, 540}));
    QCOMPARE(visibleCount(f.pieces), 8);
}

void TestFigureGeometry::otherOrientationOnlyShowsTheFrame() {
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

void TestFigureGeometry::relayoutHidesStalePieces() {
    SegmentFigure s;
    dimensionaSegmento(s, kW, whole(1), whole(10));
    dimensionaSegmento(s, kW, whole(0), whole(6));
    QCOMPARE(visibleCount(s.pieces), 6);

    RectangleFigure r;
    dimensionaRettangolo(r, kW, whole(8), whole(8), whole(2500));
    dimensionaRettangolo(r, kW, whole(1), whole(2), whole(2500));
    QVERIFY(contiguousRow(r.altezza1, 1, true));
    QVERIFY(contiguousRow(r.altezza2, 1, true));
    QVERIFY(contiguousRow(r.base1, 2, false));
    QVERIFY(contiguousRow(r.base2, 2, false));
}

void TestFigureGeometry::rectangleHasTheWorkedExampleSizes_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<double>("unit");
    QTest::addColumn<double>("frameWidth");
    QTest::addColumn<double>("frameHeight");
    QTest::newRow("question 25, 3 x 4") << 3 << 4 << 500.0 << 2140.0 << 1500.0;
    QTest::newRow("question 34 left, 6 x 4")
        << 6 << 4 << 2000.0 / 6 << 4 * 2000.0 / 6 + 140 << 2000.0;
    QTest::newRow("question 34 middle, 2 x 1") << 2 << 1 << 1000.0 << 1140.0 << 2000.0;
    QTest::newRow("question 34 right, 1 x 2") << 1 << 2 << 1000.0 << 2140.0 << 1000.0;
    QTest::newRow("square 5 x 5") << 5 << 5 << 400.0 << 2140.0 << 2000.0;
    QTest::newRow("full sides 8 x 8") << 8 << 8 << 250.0 << 2140.0 << 2000.0;
}

void TestFigureGeometry::rectangleHasTheWorkedExampleSizes() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(double, unit);
    QFETCH(double, frameWidth);
    QFETCH(double, frameHeight);
    const auto u = static_cast<float>(unit);
    RectangleFigure f;
    dimensionaRettangolo(f, kW, whole(a), whole(b), whole(2500));

    QVERIFY(f.frame.visible);
    QCOMPARE(f.frame.width, static_cast<float>(frameWidth));
    QCOMPARE(f.frame.height, static_cast<float>(frameHeight));
    QVERIFY(contiguousRow(f.altezza1, a, true));
    QVERIFY(contiguousRow(f.altezza2, a, true));
    QVERIFY(contiguousRow(f.base1, b, false));
    QVERIFY(contiguousRow(f.base2, b, false));

    const auto rightLeft = static_cast<float>(b * unit + 62);
    const auto bottomTop = static_cast<float>(a * unit - 62);
    for (std::size_t i = 0; i < static_cast<std::size_t>(a); ++i) {
        const auto top = static_cast<float>(static_cast<double>(i) * unit);
        QCOMPARE(f.altezza1[i], (PieceGeometry{true, 0, top, 60, u}));
        QCOMPARE(f.altezza2[i], (PieceGeometry{true, rightLeft, top, 60, u}));
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(b); ++i) {
        const auto left = static_cast<float>(static_cast<double>(i) * unit + 62);
        QCOMPARE(f.base1[i], (PieceGeometry{true, left, bottomTop, u, 60}));
        QCOMPARE(f.base2[i], (PieceGeometry{true, left, 0, u, 60}));
    }
}

void TestFigureGeometry::doublingTheScreenWidthDoublesEveryLength() {
    for (int o : {0, 1}) {
        SegmentFigure one;
        SegmentFigure two;
        dimensionaSegmento(one, kW, whole(o), whole(10));
        dimensionaSegmento(two, 2 * kW, whole(o), whole(10));
        QCOMPARE(two.frame.width, 2 * one.frame.width);
        QCOMPARE(two.frame.height, 2 * one.frame.height);
        for (std::size_t i = 0; i < one.pieces.size(); ++i) {
            const PieceGeometry& p = one.pieces[i];
            QCOMPARE(two.pieces[i],
                     (PieceGeometry{true, 2 * p.left, 2 * p.top, 2 * p.width, 2 * p.height}));
        }
    }

    // In a rectangle the unit lengths double; the side thickness (60) and the
    // offsets built on it (62, 140) are fixed layout values.
    RectangleFigure one;
    RectangleFigure two;
    dimensionaRettangolo(one, kW, whole(3), whole(7), whole(2500));
    dimensionaRettangolo(two, 2 * kW, whole(3), whole(7), whole(2500));
    QCOMPARE(two.frame.height, 2 * one.frame.height);
    QCOMPARE(two.frame.width - 140, 2 * (one.frame.width - 140));
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(two.altezza1[i].height, 2 * one.altezza1[i].height);
        QCOMPARE(two.altezza2[i].top, 2 * one.altezza2[i].top);
        QCOMPARE(two.altezza2[i].left - 62, 2 * (one.altezza2[i].left - 62));
    }
    for (std::size_t i = 0; i < 7; ++i) {
        QCOMPARE(two.base1[i].width, 2 * one.base1[i].width);
        QCOMPARE(two.base1[i].left - 62, 2 * (one.base1[i].left - 62));
        QCOMPARE(two.base1[i].top + 62, 2 * (one.base1[i].top + 62));
    }
}

void TestFigureGeometry::stripRefusesCountsThePiecesCannotShow_data() {
    QTest::addColumn<Cell>("count");
    QTest::addColumn<double>("screenWidth");
    QTest::newRow("zero units") << whole(0) << kW;
    QTest::newRow("negative units") << whole(-3) << kW;
    QTest::newRow("eleven units") << whole(11) << kW;
    QTest::newRow("largest integer") << whole(32767) << kW;
    QTest::newRow("part of a unit") << Cell{2.5f} << kW;
    QTest::newRow("not a number") << Cell{std::numeric_limits<float>::quiet_NaN()} << kW;
    QTest::newRow("empty cell") << Cell{} << kW;
    QTest::newRow("text") << Cell{std::string("8")} << kW;
    QTest::newRow("zero screen width") << whole(8) << 0.0;
    QTest::newRow("negative screen width") << whole(8) << -kW;
}

void TestFigureGeometry::stripRefusesCountsThePiecesCannotShow() {
    QFETCH(Cell, count);
    QFETCH(double, screenWidth);
    for (int o : {0, 1}) {
        SegmentFigure f;
        dimensionaSegmento(f, kW, whole(1), whole(10)); // earlier pieces must not linger
        f.frame = {false, 855, 3855};
        dimensionaSegmento(f, screenWidth, whole(o), count);
        QCOMPARE(f.frame, (FrameSize{true, 855, 3855}));
        QCOMPARE(visibleCount(f.pieces), 0);
    }
}

void TestFigureGeometry::rectangleRefusesCountsThePiecesCannotShow_data() {
    QTest::addColumn<Cell>("a");
    QTest::addColumn<Cell>("b");
    QTest::addColumn<double>("screenWidth");
    QTest::newRow("zero height") << whole(0) << whole(4) << kW;
    QTest::newRow("zero base") << whole(3) << whole(0) << kW;
    QTest::newRow("both zero") << whole(0) << whole(0) << kW;
    QTest::newRow("nine units high") << whole(9) << whole(4) << kW;
    QTest::newRow("nine units wide") << whole(3) << whole(9) << kW;
    QTest::newRow("negative base") << whole(3) << whole(-1) << kW;
    QTest::newRow("part of a unit") << Cell{3.5f} << whole(4) << kW;
    QTest::newRow("empty cells") << Cell{} << Cell{} << kW;
    QTest::newRow("zero screen width") << whole(3) << whole(4) << 0.0;
    QTest::newRow("infinite screen width")
        << whole(3) << whole(4) << std::numeric_limits<double>::infinity();
}

void TestFigureGeometry::rectangleRefusesCountsThePiecesCannotShow() {
    QFETCH(Cell, a);
    QFETCH(Cell, b);
    QFETCH(double, screenWidth);
    RectangleFigure f;
    dimensionaRettangolo(f, kW, whole(8), whole(8), whole(2500));
    f.frame = {false, 3225, 3270};
    dimensionaRettangolo(f, screenWidth, a, b, whole(2500));
    QCOMPARE(f.frame, (FrameSize{true, 3225, 3270}));
    QCOMPARE(visibleCount(f.altezza1) + visibleCount(f.altezza2) + visibleCount(f.base1) +
                 visibleCount(f.base2),
             0);
}

QTEST_APPLESS_MAIN(TestFigureGeometry)
#include "tst_figuregeometry.moc"
