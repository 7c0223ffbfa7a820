// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The screen's size in twips (1/1440 inch): logical pixels x 1440 / logical dpi,
// so 15 twips per pixel at 96 dpi.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    // Twips in one logical pixel of this screen.
    virtual double twipsPerPixel() const = 0;
};
