// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"
#include "core/forms/controldesign.h"

#include <array>

// The design of the exercise window Form1: every control as it is at creation,
// before the load handler runs.

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
    // Added to the design: the loudspeaker beside the question, which reads
    // aloud what the pupil must read to answer.
    LEGGI,
    // The on-screen number pad, for pupils at a touch screen or a whiteboard
    // with no keyboard within reach: two rows of keys, left to right.
    Tasto1,
    Tasto2,
    Tasto3,
    Tasto4,
    Tasto5,
    TastoCancella,
    Tasto6,
    Tasto7,
    Tasto8,
    Tasto9,
    Tasto0,
    INVIO,
};
constexpr int kControlCount = 45;

constexpr int index(Ctl c) {
    return static_cast<int>(c);
}

using Form1ControlDesign = ControlDesign<Ctl>;

const std::array<Form1ControlDesign, kControlCount>& form1Design();
const Form1ControlDesign& design(Ctl id);

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
