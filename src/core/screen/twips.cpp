// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screen/twips.h"

#include <cmath>

int twipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

PixelRect toPixels(double containerLeft, double containerTop, double left, double top, double width,
                   double height, double twipsPerPixel) {
    const int originX = twipsToPixels(containerLeft, twipsPerPixel);
    const int originY = twipsToPixels(containerTop, twipsPerPixel);
    const int x0 = twipsToPixels(containerLeft + left, twipsPerPixel);
    const int y0 = twipsToPixels(containerTop + top, twipsPerPixel);
    const int x1 = twipsToPixels(containerLeft + left + width, twipsPerPixel);
    const int y1 = twipsToPixels(containerTop + top + height, twipsPerPixel);
    return {x0 - originX, y0 - originY, x1 - x0, y1 - y0};
}
