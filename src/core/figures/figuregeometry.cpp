// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the segment strips and of the rectangle outlines, in twips.
//
// Every value is worked out in double and stored as single precision when it
// is set on a piece or a frame, so each length comes straight from the screen
// width and never from a previously rounded one.
//
// Counts the pieces cannot show (below 1, above the size of the piece array,
// not a whole number, an empty cell) and a window width that is not positive
// are refused, not clamped: all pieces are hidden, the frame keeps its size
// and is shown empty. A clamped count would draw a figure with the wrong
// number of units, which is worse for a pupil than no figure at all.
#include "core/figures/figuregeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Strips: the unit is a twentieth of the window width, the gap a tenth of the unit.
constexpr double kSegmentUnitsPerWidth = 20;
constexpr double kGapsPerUnit = 10;
constexpr int kHorizontal = 1;
constexpr int kVertical = 0;

// Rectangles: the longer side of every outline is a sixth of the window width.
constexpr double kRectangleSidesPerWidth = 6;
// Layout values of the side pieces, never changed by the layout: height pieces
// are this wide and base pieces this tall, drawn with a border of this width.
constexpr float kSideThickness = 60;
constexpr int kPieceBorderWidth = 1;
// The frame is this much wider than the two height sides and the base.
constexpr double kFrameSlack = 20;

// The count as a whole number of units 1..capacity, or 0 when the pieces
// cannot show it.
int unitCount(const Cell& cell, int capacity) {
    const double n = cellNumber(cell);
    if (!(n >= 1 && n <= capacity) || n != std::floor(n))
        return 0;
    return static_cast<int>(n);
}

bool usableWidth(double windowWidthTwips) {
    return std::isfinite(windowWidthTwips) && windowWidthTwips > 0;
}

template <std::size_t Size> void hideAll(std::array<PieceGeometry, Size>& pieces) {
    for (PieceGeometry& p : pieces)
        p.visible = false;
}

} // namespace

void dimensionaSegmento(SegmentFigure& figure, double windowWidthTwips, const Cell& orientamento,
                        const Cell& numeroSegmenti) {
    const double w = windowWidthTwips;
    const double u = w / kSegmentUnitsPerWidth;
    const double g = u / kGapsPerUnit;
    const double o = cellNumber(orientamento);
    const bool horizontal = o == kHorizontal;

    if (horizontal || o == kVertical) {
        hideAll(figure.pieces);
        const int n = unitCount(numeroSegmenti, static_cast<int>(figure.pieces.size()));
        if (n > 0 && usableWidth(w)) {
            const auto along = static_cast<float>(n * u - g);
            const auto across = static_cast<float>(g);
            figure.frame.width = horizontal ? along : across;
            figure.frame.height = horizontal ? across : along;
            for (int i = 0; i < n; ++i) {
                PieceGeometry& p = figure.pieces[static_cast<std::size_t>(i)];
                const auto length = static_cast<float>(u - g);
                const auto start = static_cast<float>(i * u);
                p.height = horizontal ? across : length;
                p.width = horizontal ? length : across;
                p.top = horizontal ? 0 : start;
                p.left = horizontal ? start : 0;
                p.visible = true;
            }
        }
    }
    // Any other orientation lays nothing out and leaves the pieces as they were.
    figure.frame.visible = true;
}

void dimensionaRettangolo(RectangleFigure& figure, double windowWidthTwips,
                          const Cell& segmentiAltezza, const Cell& segmentiBase,
                          const Cell& /*pixelFrame*/) {
    const double w = windowWidthTwips;
    hideAll(figure.altezza1);
    hideAll(figure.altezza2);
    hideAll(figure.base1);
    hideAll(figure.base2);
    figure.frame.visible = true;

    const int capacity = static_cast<int>(figure.altezza1.size());
    const int a = unitCount(segmentiAltezza, capacity);
    const int b = unitCount(segmentiBase, capacity);
    if (a == 0 || b == 0 || !usableWidth(w))
        return;

    const int m = std::max(a, b);
    const double u = (w / kRectangleSidesPerWidth) / m;
    figure.frame.height = static_cast<float>(a * u);
    figure.frame.width = static_cast<float>(b * u + 2 * kSideThickness + kFrameSlack);

    const double lb = u * b;
    const double la = u * a;
    // The sides meet where the height pieces end, border included.
    const double d = 2 * kPieceBorderWidth + kSideThickness;

    for (std::size_t i = 0; i < static_cast<std::size_t>(a); ++i) {
        PieceGeometry& left = figure.altezza1[i];
        PieceGeometry& right = figure.altezza2[i];
        left.height = static_cast<float>(u);
        right.height = static_cast<float>(u);
        left.top = static_cast<float>(static_cast<double>(i) * u);
        right.top = left.top;
        left.left = 0;
        right.left = static_cast<float>(lb + d);
        left.width = kSideThickness;
        right.width = kSideThickness;
        left.visible = true;
        right.visible = true;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(b); ++i) {
        PieceGeometry& bottom = figure.base1[i];
        PieceGeometry& top = figure.base2[i];
        bottom.width = static_cast<float>(u);
        top.width = static_cast<float>(u);
        bottom.left = static_cast<float>(static_cast<double>(i) * u + d);
        top.left = bottom.left;
        bottom.top = static_cast<float>(la - d);
        top.top = 0;
        bottom.height = kSideThickness;
        top.height = kSideThickness;
        bottom.visible = true;
        top.visible = true;
    }
}
