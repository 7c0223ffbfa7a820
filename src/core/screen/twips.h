// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Turning twips into pixels. Every edge is converted from its absolute place in
// twips, once, so rounding never adds up along a row of pieces: neighbouring
// pieces that are equal in twips come out equal to within one pixel, and
// their gaps too.

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

int twipsToPixels(double twips, double twipsPerPixel);

// A rectangle given in twips relative to a container whose own top-left corner
// lies at (containerLeft, containerTop) twips from the window's corner; the
// result is in pixels relative to that container.
PixelRect toPixels(double containerLeft, double containerTop, double left, double top, double width,
                   double height, double twipsPerPixel);
