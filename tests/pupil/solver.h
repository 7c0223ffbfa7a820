// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil who works out the answer from what the question shows: its words,
// the captions of the answer labels and the unit counts of the figures.

#include "core/exercise/modulo1.h"

#include <QList>
#include <QStringList>

#include <utility>

struct QuestionOnScreen {
    TipoDomanda kind{};
    QString text;
    QStringList captions;                  // LbRisposta1..3
    QList<int> segments;                   // units of segments 1, 2, 3
    QList<std::pair<int, int>> rectangles; // (height, base), left to right
};

// The number to type (for four measures, the unit), or the place 1..3 to
// click; -1 when nothing fits, 0 when more than one choice fits.
int solve(const QuestionOnScreen& q);
