#pragma once

#include "forms/rgb.h"

#include <array>
#include <optional>
#include <string_view>

// The design of the exercise window Form1: every control as it is at creation,
// before the load handler runs. Geometry in twips relative to the container.

enum class ControlKind { Label, TextBox, Button, Frame };
enum class Align { Left, Center, Right };

// The controls of Form1 in tab order; the value is the tab index.
enum class Ctl {
    Frame1,
    avviso,
    VIA,
    FINE,
    gratifica,
    LbRisposte,
    LbErrori,
    LbCodice,
    LbTempo,
    Command1,
    LbSegmento1,
    LbSegmento2,
    LbSegmento3,
    LbDOMANDA,
    Text1,
    LbRisposta1,
    LbRisposta2,
    LbRisposta3,
    LbSub1,
    LbSub2,
    LbSub3,
    LbSub4,
    Inp1,
    Inp2,
    Inp3,
    Inp4,
    FrRet1,
    FrRet2,
    FrRet3,
    FrSegmento1,
    FrSegmento3,
    FrSegmento2,
};
constexpr int kControlCount = 32;

constexpr int index(Ctl c) {
    return static_cast<int>(c);
}

struct FontDesign {
    std::string_view face = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
};

struct ControlDesign {
    Ctl id;
    std::string_view name;
    ControlKind kind;
    bool inFrame1; // container: Frame1, otherwise the window itself
    float left, top, width, height;
    std::string_view text;
    FontDesign font;
    std::optional<Rgb> back; // nullopt: the platform's default colour
    std::optional<Rgb> fore;
    bool visible;
    bool opaque = false;   // labels: paints its back colour
    bool autoSize = false; // labels: size follows the caption, growing right and down
    Align align = Align::Left;
    bool border = false; // frames: draws a border
};

const std::array<ControlDesign, kControlCount>& form1Design();
const ControlDesign& design(Ctl id);

namespace form1 {
constexpr float kDesignWidth = 12060;
constexpr float kDesignHeight = 9030;
constexpr Rgb kBack = colour::kPaleGreen;
constexpr Rgb kWrongBack = colour::kLightOrange; // during a wrong answer's pause
// The hint line `avviso` starts on the first and alternates between the two,
// question after question.
constexpr Rgb kAvvisoBack = colour::kPaleYellow;
constexpr Rgb kAvvisoOtherBack = colour::kLightCyan;
} // namespace form1
