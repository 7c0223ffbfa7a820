// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise/stage.h"

Stage stageFromDesign() {
    Stage stage;
    for (const Form1ControlDesign& d : form1Design()) {
        ControlState& c = stage[d.id];
        c.geometry = {d.left, d.top, d.width, d.height, d.font.size};
        c.visible = d.visible;
        c.text = std::string(d.text);
        c.back = d.back;
    }
    stage.window = {0, form1::kDesignWidth, form1::kDesignHeight, 0};
    return stage;
}

bool figuresChanged(const Stage& before, const Stage& now) {
    if (before.segmenti != now.segmenti || before.rettangoli != now.rettangoli)
        return true;
    for (Ctl frame : kSegmentFrames)
        if (before[frame].geometry != now[frame].geometry)
            return true;
    for (Ctl frame : kRectangleFrames)
        if (before[frame].geometry != now[frame].geometry)
            return true;
    return false;
}

std::vector<Ctl> controlsToShow(const Stage* shown, const Stage& now) {
    const bool frameMoved =
        shown == nullptr || (*shown)[Ctl::Frame1].geometry != now[Ctl::Frame1].geometry;
    std::vector<Ctl> changed;
    for (const Form1ControlDesign& d : form1Design())
        if (shown == nullptr || (*shown)[d.id] != now[d.id] || (d.inFrame1 && frameMoved))
            changed.push_back(d.id);
    return changed;
}

PixelRect controlPixels(const Stage& stage, Ctl id, double twipsPerPixel) {
    double containerLeft = 0;
    double containerTop = 0;
    if (design(id).inFrame1) {
        containerLeft = stage[Ctl::Frame1].geometry.left;
        containerTop = stage[Ctl::Frame1].geometry.top;
    }
    const ScalableGeometry& g = stage[id].geometry;
    return toPixels(containerLeft, containerTop, g.left, g.top, g.width, g.height, twipsPerPixel);
}
