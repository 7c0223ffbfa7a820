// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/screen.h"

class QScreen;

// The real screen: the logical size and dpi of the screen the program's window
// is on, read afresh at every call so a change of screen is followed.
class QtScreen final : public Screen {
  public:
    double widthTwips() const override;
    double heightTwips() const override;
    double twipsPerPixel() const override;
};
