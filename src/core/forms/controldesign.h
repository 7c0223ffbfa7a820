// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The design of a window: every control as it is at creation, one row a
// control, written with the names of its fields. Geometry in twips relative
// to the control's container.

enum class ControlKind {
    Label,
    TextBox,
    Button,
    // A frame with a border is a panel that holds other controls; one without
    // a border holds a figure of unit pieces.
    Frame,
    Border,  // a rectangle outline with no fill, drawn in the fore colour; a decoration
    Picture, // a vector drawing; the text is the drawing's resource
    Speaker, // a button that shows a loudspeaker instead of a caption
};
enum class Align { Left, Center, Right };

// A decoration is painted on its window's own surface and is no control: nothing
// can be clicked or focused on it, and a screen reader passes it by.
constexpr bool isDecoration(ControlKind kind) {
    return kind == ControlKind::Border;
}

struct FontDesign {
    std::string_view face = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
};

// The two faces of the designs.
constexpr FontDesign arial(float size, bool bold = false) {
    return {"Arial", size, bold};
}
constexpr FontDesign sansSerif(float size, bool bold = false) {
    return {"MS Sans Serif", size, bold};
}

template <typename Id> struct ControlDesign {
    Id id;
    std::string_view name{};
    ControlKind kind = ControlKind::Label;
    bool inFrame1 = false; // container: the exercise window's Frame1, otherwise the window
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string_view text{};
    FontDesign font{};
    std::optional<Rgb> back{}; // nothing: the platform's default colour
    std::optional<Rgb> fore{};
    bool visible = false;
    bool opaque = false; // labels: paints its back colour
    // Labels whose size follows their caption. A left- or centre-aligned one
    // keeps its left edge and grows right; a right-aligned one keeps its right
    // edge and grows left.
    bool autoSize = false;
    Align align = Align::Left;
    int border = 0; // frames and borders: the line width in pixels, 0 for none
};

// Whether row i of a design describes the control whose id is i, so that a
// control's design is found by its id.
template <typename Id, std::size_t N>
constexpr bool inIdOrder(const std::array<ControlDesign<Id>, N>& design) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(design[i].id) != i)
            return false;
    return true;
}
