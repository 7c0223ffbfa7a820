// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class Screen;

// What the screen adaptation reads and writes on a control: its place and
// size in twips relative to its container, and its font size in points.
struct ScalableGeometry {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float fontSize = 8.25f;
    friend bool operator==(const ScalableGeometry&, const ScalableGeometry&) = default;
};

// What it needs of the window: its state (2 = maximized), size and top, in twips.
struct WindowGeometry {
    int windowState = 0;
    float width = 0;
    float height = 0;
    float top = 0;
};

// Stretches a window's registered controls in proportion to the screen:
// width-wise by new width / design width, height-wise by new height / design
// height, font sizes by the height factor (by the width factor where that is
// the smaller, so text keeps fitting its control). The design geometry is recorded once
// at start-up and every later pass starts again from it, so nothing accumulates.
class Ridimschermo {
  public:
    int ncontrolli = 0;                       // capacity of the tables
    WindowGeometry* formdaridim = nullptr;    // the window being adapted
    std::vector<ScalableGeometry*> controlli; // entries 0..ncontrolli; nullptr where empty

    // Makes every table a fresh one of entries 0..ncontrolli, all empty.
    void preparatabelle();
    // The start-up pass: maximizes the window, records the design geometry and
    // scales the controls to the screen.
    void adattaschermo(const Screen& screen);
    // The resize pass: scales the controls to the window's current size.
    void ridimensiona();

    double largform() const { return largform_; }
    double altform() const { return altform_; }

  private:
    void scala(double fx, double fy);

    double largform_ = 0;
    double altform_ = 0;
    std::vector<ScalableGeometry> originale_; // design geometry, entry i for controlli[i]
};
