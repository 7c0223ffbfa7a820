// The strips and outlines as the window paints them: after the conversion to
// pixels the units of a figure must still look equal, and the outlines closed.
#include "../forms/windowharness.h"

#include <QTest>

#include <algorithm>

namespace {

// Pixel edges of a painted row of pieces, along its length.
struct Span {
    int start;
    int end; // one past the last pixel
};

std::vector<Span> spans(const std::vector<PaintedPiece>& pieces, bool vertical) {
    std::vector<Span> s;
    for (const PaintedPiece& p : pieces)
        s.push_back(vertical ? Span{p.rect.top(), p.rect.bottom() + 1}
                             : Span{p.rect.left(), p.rect.right() + 1});
    return s;
}

int spread(const std::vector<int>& values) {
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    return *hi - *lo;
}

std::vector<int> lengths(const std::vector<Span>& row) {
    std::vector<int> l;
    for (const Span& s : row)
        l.push_back(s.end - s.start);
    return l;
}

// The gaps between consecutive pieces of a row.
std::vector<int> gaps(const std::vector<Span>& row) {
    std::vector<int> g;
    for (std::size_t i = 1; i < row.size(); ++i)
        g.push_back(row[i].start - row[i - 1].end);
    return g;
}

bool inside(const std::vector<PaintedPiece>& pieces, const QRect& frame) {
    return std::all_of(pieces.begin(), pieces.end(),
                       [&frame](const PaintedPiece& p) { return frame.contains(p.rect); });
}

std::vector<PaintedPiece> slice(const std::vector<PaintedPiece>& all, int from, int count) {
    return {all.begin() + from, all.begin() + from + count};
}

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

class TestFigurePixels : public QObject {
    Q_OBJECT
  private slots:
    void stripUnitsStayEqualInPixels_data();
    void stripUnitsStayEqualInPixels();
    void outlinesStayClosedInPixels_data();
    void outlinesStayClosedInPixels();
};

void TestFigurePixels::stripUnitsStayEqualInPixels_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("1024 x 768") << 1024 << 768;
    QTest::newRow("800 x 600") << 800 << 600;
    QTest::newRow("1366 x 768") << 1366 << 768;
    QTest::newRow("1280 x 1024") << 1280 << 1024;
    QTest::newRow("1920 x 1080") << 1920 << 1080;
}

void TestFigurePixels::stripUnitsStayEqualInPixels() {
    QFETCH(int, width);
    QFETCH(int, height);
    WindowHarness h(width, height);
    h.putQuestion(0);
    const char* names[] = {"FrSegmento1", "FrSegmento2", "FrSegmento3"};
    const std::size_t units[] = {8, 10, 6};
    for (std::size_t f = 0; f < 3; ++f) {
        const FigureFrame* frame = h.frame(names[f]);
        QVERIFY(frame && frame->isVisible());
        const auto& pieces = frame->pieces();
        QCOMPARE(pieces.size(), units[f]);
        QVERIFY(inside(pieces, frame->rect()));
        const std::vector<Span> row = spans(pieces, false);
        const std::vector<int> g = gaps(row);
        QVERIFY(spread(lengths(row)) <= 1);
        QVERIFY(spread(g) <= 1);
        // Every gap shows, so the pupil can count the units one by one.
        QVERIFY(*std::min_element(g.begin(), g.end()) >= 1);
        // The frame is exactly as long and as thick as the strip.
        QCOMPARE(row.front().start, 0);
        QCOMPARE(row.back().end, frame->width());
        for (const PaintedPiece& p : pieces)
            QCOMPARE(p.rect.height(), frame->height());
        QCOMPARE(pieces.front().fill, kRed);
        QCOMPARE(pieces.back().fill, kBlue);
    }
}

void TestFigurePixels::outlinesStayClosedInPixels_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("question");
    for (auto [w, h] : {std::pair{1024, 768}, {800, 600}, {1366, 768}, {1920, 1080}})
        for (int q : {25, 26, 34, 39}) {
            const QByteArray name = QByteArray::number(w) + " x " + QByteArray::number(h) +
                                    ", question " + QByteArray::number(q);
            QTest::newRow(name.constData()) << w << h << q;
        }
}

void TestFigurePixels::outlinesStayClosedInPixels() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, question);
    WindowHarness h(width, height);
    h.putQuestion(question);
    const Modulo1& m = h.window.modulo();
    // FrRet1 is the middle rectangle (columns 4-5 for kind 6, 2-3 for kind 5).
    struct Shown {
        const char* name;
        int altezzaColumn;
    };
    std::vector<Shown> shown = {{"FrRet1", 2}};
    if (cellNumber(m.domande(question, 0)) == 6)
        shown = {{"FrRet2", 2}, {"FrRet1", 4}, {"FrRet3", 6}};

    for (const Shown& s : shown) {
        const FigureFrame* frame = h.frame(s.name);
        QVERIFY(frame && frame->isVisible());
        const int a = static_cast<int>(cellNumber(m.domande(question, s.altezzaColumn)));
        const int b = static_cast<int>(cellNumber(m.domande(question, s.altezzaColumn + 1)));
        const auto& all = frame->pieces();
        QCOMPARE(static_cast<int>(all.size()), 2 * a + 2 * b);
        QVERIFY(inside(all, frame->rect()));
        // The window paints the left side, the right side, the bottom and the top, in this order.
        const auto left = slice(all, 0, a);
        const auto right = slice(all, a, a);
        const auto bottom = slice(all, 2 * a, b);
        const auto top = slice(all, 2 * a + b, b);

        std::vector<int> units;
        for (const auto* side : {&left, &right}) {
            const std::vector<Span> row = spans(*side, true);
            // Each height side runs unbroken over the whole frame height.
            QCOMPARE(row.front().start, 0);
            QCOMPARE(row.back().end, frame->height());
            for (int g : gaps(row))
                QCOMPARE(g, 0);
            for (int l : lengths(row))
                units.push_back(l);
        }
        for (const auto* side : {&bottom, &top}) {
            const std::vector<Span> row = spans(*side, false);
            for (int g : gaps(row))
                QCOMPARE(g, 0);
            // The base meets both height sides: no visible gap at either end.
            const int leftEdge = left.front().rect.right() + 1;
            QVERIFY(row.front().start >= leftEdge && row.front().start <= leftEdge + 1);
            QCOMPARE(row.back().end, right.front().rect.left());
            for (int l : lengths(row))
                units.push_back(l);
        }
        QCOMPARE(top.front().rect.top(), 0);
        QVERIFY(frame->height() - (bottom.front().rect.bottom() + 1) <= 1);
        // One unit length for all four sides, to within a pixel.
        QVERIFY2(spread(units) <= 1, s.name);
    }
}

QTEST_MAIN(TestFigurePixels)
#include "tst_figurepixels.moc"
