// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"
#include "core/forms/controldesign.h"
#include "core/screen/twips.h"

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

// What both windows of the page do with the controls of their designs: make
// the element of each, and set its place, font, colours and text, as the
// desktop's widget factory does for its widgets.

// "#rrggbb".
std::string cssColour(Rgb colour);

// The element of a control as its design creates it, with `id` as its id and
// inside `parent`. Controls that take clicks (`clickable`) are buttons to the
// keyboard and to a screen reader as well.
emscripten::val createElement(const ControlDesign<int>& d, std::string_view id, bool clickable,
                              emscripten::val parent);

// Sets the place and size of `element`, in pixels of its container.
void place(emscripten::val& element, const PixelRect& r);
// The design's face at `points` points: 20 twips to the point.
void setFont(emscripten::val& element, const FontDesign& font, double points, double twipsPerPixel);
void setText(emscripten::val& element, ControlKind kind, const std::string& text);
void setVisible(emscripten::val& element, bool visible);
void setStyle(emscripten::val& element, const char* property, const std::string& value);
void setLabel(emscripten::val& element, const std::string& name);

// A design row of either window, with its id as a plain number.
template <typename Id> ControlDesign<int> plain(const ControlDesign<Id>& d) {
    return {.id = static_cast<int>(d.id),
            .name = d.name,
            .kind = d.kind,
            .inFrame1 = d.inFrame1,
            .left = d.left,
            .top = d.top,
            .width = d.width,
            .height = d.height,
            .text = d.text,
            .font = d.font,
            .back = d.back,
            .fore = d.fore,
            .visible = d.visible,
            .opaque = d.opaque,
            .autoSize = d.autoSize,
            .align = d.align,
            .border = d.border};
}
