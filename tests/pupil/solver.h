// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil who works out the answer from what the question shows: its words,
// the captions of the answer labels and the unit counts of the figures.

#include "core/exercise/modulo1.h"

#include <QString>

#include <array>
#include <utility>

struct QuestionOnScreen {
    TipoDomanda kind{};
    QString text;
    std::array<QString, 3> captions;               // LbRisposta1..3
    std::array<int, 3> segments{8, 10, 6};         // units of segments 1, 2, 3
    std::array<std::pair<int, int>, 3> rectangles; // (height, base), left to right
};

// The right answer: the number to type (for four measures, the unit), or the
// position 1..3 to click. -1 when the question cannot be worked out, 0 when
// more than one choice fits.
int solve(const QuestionOnScreen& q);
