// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/figures/piecelook.h"

namespace {

using namespace colour;

bool even(int index) {
    return index % 2 == 0;
}

} // namespace

PieceLook segmentPieceLook(int index) {
    return even(index) ? PieceLook{kRed, kRed} : PieceLook{kBlue, kBlue};
}

PieceLook rectanglePieceLook(RectangleSide side, int index) {
    switch (side) {
    case RectangleSide::Altezza1:
    case RectangleSide::Altezza2:
        return even(index) ? PieceLook{kOrange, kRed} : PieceLook{kBlue, kDarkBlue};
    case RectangleSide::Base2:
        // The first piece of the top side carries a light orange border in the design.
        if (index == 0)
            return {kYellow, kLightOrange};
        [[fallthrough]];
    case RectangleSide::Base1:
        break;
    }
    return even(index) ? PieceLook{kYellow, kYellow} : PieceLook{kDarkGreen, kDarkGreen};
}
