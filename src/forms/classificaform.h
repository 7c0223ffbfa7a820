#pragma once

#include "forms/form1design.h"
#include "forms/rgb.h"

#include <array>
#include <optional>
#include <string_view>

class Clock;
class QWidget;
struct Modulo1;

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

enum class Kind { Label, Button, Border, Picture };

struct Control {
    std::string_view name;
    Kind kind;
    float left, top, width, height;
    std::string_view text;
    FontDesign font;
    std::optional<Rgb> back; // painted only by opaque labels
    std::optional<Rgb> fore;
    bool visible;
    bool opaque = false;
    // Labels whose size follows their caption. A left-aligned one keeps its left
    // edge and grows right; a right-aligned one keeps its right edge and grows left.
    bool autoSize = false;
    Align align = Align::Left;
    int borderPixels = 0; // the border's line width, in pixels
};

// The labels, the button, the border and the picture, in tab order.
const std::array<Control, 12>& controls();
const Control& control(std::string_view name);

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

// Opens the results window modally over `owner` and returns when the pupil has
// pressed PROSEGUI. The window is made afresh and destroyed at each opening.
// `topTwips` places its top edge; without it, it opens at the screen's top-left corner.
void apriClassifica(Modulo1& modulo, const Clock& clock, QWidget* owner,
                    std::optional<double> topTwips, double twipsPerPixel);
