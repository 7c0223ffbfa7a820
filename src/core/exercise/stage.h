// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/figures/figuregeometry.h"
#include "core/forms/form1design.h"
#include "core/screen/ridimschermo.h"
#include "core/screen/twips.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The frames that hold the figures of the stage, figure 0 first.
constexpr std::array<Ctl, 3> kSegmentFrames = {Ctl::FrSegmento1, Ctl::FrSegmento2,
                                               Ctl::FrSegmento3};
constexpr std::array<Ctl, 3> kRectangleFrames = {Ctl::FrRet1, Ctl::FrRet2, Ctl::FrRet3};

// The state of one control of Form1 as the logic leaves it: the window only
// shows this.
struct ControlState {
    ScalableGeometry geometry; // twips relative to the container; font size in points
    bool visible = false;
    bool enabled = true;
    std::string text;
    std::optional<Rgb> back;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

// Everything the exercise window shows: its controls, its own state and the
// unit pieces of its figures.
struct Stage {
    std::array<ControlState, kControlCount> controls;
    WindowGeometry window;
    Rgb back = form1::kBack;
    bool enabled = true;
    // The text box waiting for the pupil's answer, which holds the keyboard
    // focus; none before the first question and while a click answers.
    std::optional<Ctl> focus;
    std::array<SegmentFigure, 3> segmenti;     // Seg1, Seg2, Seg3, in kSegmentFrames
    std::array<RectangleFigure, 3> rettangoli; // the figures in kRectangleFrames

    ControlState& operator[](Ctl id) { return controls[static_cast<std::size_t>(index(id))]; }
    const ControlState& operator[](Ctl id) const {
        return controls[static_cast<std::size_t>(index(id))];
    }
};

// True when a figure or the place of a figure's frame differs between the two
// stages: a window paints the pieces anew only then, so that the once-a-second
// refresh of the time display does not rebuild them.
bool figuresChanged(const Stage& before, const Stage& now);

// The controls a window must show anew to go from the stage it shows (none
// yet when `shown` is null) to `now`: those whose state changed, and every
// control inside Frame1 when the frame moved, since they are placed from its
// corner.
std::vector<Ctl> controlsToShow(const Stage* shown, const Stage& now);

// Where a control of the stage stands in pixels, in the window, or in Frame1
// for the controls placed inside it.
PixelRect controlPixels(const Stage& stage, Ctl id, double twipsPerPixel);

// The stage as the design of Form1 creates it.
Stage stageFromDesign();
