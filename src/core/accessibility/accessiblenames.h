// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exercise/stage.h"
#include "core/forms/classificadesign.h"

#include <cstddef>
#include <string>
#include <string_view>

struct ClassificaView;

// The Italian names a screen reader says for the controls of both windows:
// what each control is and what it shows now ("risposte 3", "primo segmento,
// otto unità frazionarie"). Texts with fractions, ordinals or units, and the
// counts of pieces and series, are given in the words a voice must say;
// counters keep their digits.

// The names of the two windows, as a screen reader announces them.
inline constexpr std::string_view kExerciseWindowName = "Frazioni di segmenti";
inline constexpr std::string_view kResultsWindowName = "Classifica";

// A control of the exercise window, as the stage leaves it.
std::string accessibleName(Ctl id, const Stage& stage);

// A control of the results window, as its load handler left it.
std::string accessibleName(classifica::Ctl id, const ClassificaView& view);

// Dot `k` (1..10) of the tally row `row` (ottimo first).
std::string accessibleDotName(std::size_t row, int k);
