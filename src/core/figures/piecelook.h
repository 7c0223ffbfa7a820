// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"

// The colours of the unit pieces, as the window's design gives them:
// neighbouring units always differ in colour.
struct PieceLook {
    Rgb fill;
    Rgb border;
};

// Seg1, Seg2 and Seg3: red for even indexes, blue for odd ones.
PieceLook segmentPieceLook(int index);

enum class RectangleSide { Altezza1, Altezza2, Base1, Base2 };

// Bases yellow and green; heights orange with a red border and blue with a
// dark blue border.
PieceLook rectanglePieceLook(RectangleSide side, int index);
