// SPDX-License-Identifier: GPL-3.0-or-later
// Showing, hiding and laying out the figures of the exercise window.
#include "core/exercise/form1.h"

namespace {

constexpr Ctl kSegmentFigures[] = {Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3,
                                   Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3};

FrameSize frameSizeOf(const ControlState& c) {
    return {c.visible, c.geometry.width, c.geometry.height};
}

void applyFrameSize(ControlState& c, const FrameSize& f) {
    c.visible = f.visible;
    c.geometry.width = f.width;
    c.geometry.height = f.height;
}

} // namespace

void Form1::mostrasegmenti() {
    for (Ctl c : kSegmentFigures)
        stage_[c].visible = true;
}

void Form1::nascondisegmenti() {
    for (Ctl c : kSegmentFigures)
        stage_[c].visible = false;
}

void Form1::dimensionaSeg(int figura, const Cell& orientamento, const Cell& numeroSegmenti) {
    ControlState& frame = stage_[kSegmentFrames[figura]];
    SegmentFigure& figure = stage_.segmenti[static_cast<std::size_t>(figura)];
    figure.frame = frameSizeOf(frame);
    dimensionaSegmento(figure, stage_.window.width, orientamento, numeroSegmenti);
    applyFrameSize(frame, figure.frame);
}

void Form1::dimensionaSeg1(const Cell& o, const Cell& n) {
    dimensionaSeg(0, o, n);
}
void Form1::dimensionaSeg2(const Cell& o, const Cell& n) {
    dimensionaSeg(1, o, n);
}
void Form1::dimensionaSeg3(const Cell& o, const Cell& n) {
    dimensionaSeg(2, o, n);
}

void Form1::dimensionaFiguraRet(Ctl frameId, int figura, const Cell& segmentiAltezza,
                                const Cell& segmentiBase, const Cell& pixelFrame) {
    ControlState& frame = stage_[frameId];
    RectangleFigure& figure = stage_.rettangoli[static_cast<std::size_t>(figura)];
    figure.frame = frameSizeOf(frame);
    dimensionaRettangolo(figure, stage_.window.width, segmentiAltezza, segmentiBase, pixelFrame);
    applyFrameSize(frame, figure.frame);
}

void Form1::dimensionaRet(const Cell& a, const Cell& b, const Cell& p) {
    dimensionaFiguraRet(Ctl::FrRet1, 0, a, b, p);
}

void Form1::AdimensionaRet(const Cell& a, const Cell& b, const Cell& p) {
    dimensionaFiguraRet(Ctl::FrRet2, 1, a, b, p);
}

void Form1::BdimensionaRet(const Cell& a, const Cell& b, const Cell& p) {
    dimensionaFiguraRet(Ctl::FrRet3, 2, a, b, p);
}
