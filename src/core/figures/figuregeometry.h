// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/cell.h"

#include <array>

// Geometry of the figures, in twips relative to their frame, as the figure
// procedures compute it. Painting code only draws what is here.

struct PieceGeometry {
    bool visible = false;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend bool operator==(const PieceGeometry&, const PieceGeometry&) = default;
};

// What a layout call sets on its frame: only the size (the frame's place is the
// screen adaptation's) and the visibility.
struct FrameSize {
    bool visible = false;
    float width = 0;
    float height = 0;
    friend bool operator==(const FrameSize&, const FrameSize&) = default;
};

// One segment figure: a frame and its ten unit pieces (Seg1, Seg2 or Seg3).
struct SegmentFigure {
    FrameSize frame;
    std::array<PieceGeometry, 10> pieces;
    friend bool operator==(const SegmentFigure&, const SegmentFigure&) = default;
};

// One rectangle figure: a frame and its four sides of eight pieces each.
struct RectangleFigure {
    FrameSize frame;
    std::array<PieceGeometry, 8> altezza1; // left side
    std::array<PieceGeometry, 8> altezza2; // right side
    std::array<PieceGeometry, 8> base1;    // bottom side
    std::array<PieceGeometry, 8> base2;    // top side
    friend bool operator==(const RectangleFigure&, const RectangleFigure&) = default;
};

// The layout of one segment strip (dimensionaSeg1..3 are this, applied to their
// own figure). `orientamento` 1 lays it out horizontally, 0 upright; any other
// value leaves the pieces alone and only shows the frame. A count other than a
// whole 1..10, or a window width that is not positive, hides all pieces and
// shows the frame empty at the size it had.
void dimensionaSegmento(SegmentFigure& figure, double windowWidthTwips, const Cell& orientamento,
                        const Cell& numeroSegmenti);

// The layout of one rectangle outline (dimensionaRet, AdimensionaRet and
// BdimensionaRet are this, applied to their own figure). `pixelFrame` is carried
// through and does not change the layout. All 32 pieces are hidden first; counts
// other than whole numbers 1..8, or a window width that is not positive, leave
// them hidden and show the frame empty at the size it had.
void dimensionaRettangolo(RectangleFigure& figure, double windowWidthTwips,
                          const Cell& segmentiAltezza, const Cell& segmentiBase,
                          const Cell& pixelFrame);
