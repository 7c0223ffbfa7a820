// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"
#include "core/forms/controldesign.h"

#include <array>

// The design of the results window classificaform: every control as it is at
// creation, before its load handler grades the series. Geometry in twips,
// relative to the window. The window keeps this size on any screen.

namespace classifica {

constexpr float kWidth = 7665;
constexpr float kHeight = 6690;
constexpr Rgb kBack = colour::kGrey;
constexpr int kTimerIntervalMs = 1000;

// The colour of each grade: its word's background, its row of dots and the row's title.
constexpr Rgb kOttimo = colour::kYellow;
constexpr Rgb kDistinto = colour::kGreen;
constexpr Rgb kBuono = colour::kLightGreen;
constexpr Rgb kSufficiente = colour::kLightCyan;
constexpr Rgb kOccorre = colour::kSalmon;

// The labels, the button, the border and the picture, in tab order.
enum class Ctl {
    LbOttimo,
    LbDistinto,
    LbBuono,
    LbSufficiente,
    LbOccorre,
    Label5,
    RISULTATO,
    Command1,
    LbTrecord,
    LbNuovoRecord,
    Shape1,
    Image1,
};
constexpr int kControlCount = 12;

using ClassificaControlDesign = ControlDesign<Ctl>;

const std::array<ClassificaControlDesign, kControlCount>& controls();
const ClassificaControlDesign& design(Ctl id);

// The five rows of ten circles, one row per grade, ottimo first; circle k
// (1..10) of every row lies at kCircleLeft + kCircleStep * (k - 1).
struct CircleRow {
    std::string_view name; // circles are named name1 .. name10
    float top;
    Rgb colour;
};
constexpr int kCircles = 10;
constexpr float kCircleLeft = 4500;
constexpr float kCircleStep = 225;
constexpr float kCircleSize = 195;
const std::array<CircleRow, 5>& circleRows();

} // namespace classifica
