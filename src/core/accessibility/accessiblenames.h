// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exercise/stage.h"
#include "core/forms/classificadesign.h"

#include <cstddef>
#include <string>

struct ClassificaView;

// The Italian names a screen reader says for the controls of both windows:
// what each control is and what it shows now ("risposte 3", "primo segmento,
// 8 unità frazionarie"). Texts with fractions, ordinals or units are given in
// the words a voice must say; counters keep their digits.

// A control of the exercise window, as the stage leaves it.
std::string accessibleName(Ctl id, const Stage& stage);

// A control of the results window, as its load handler left it.
std::string accessibleName(classifica::Ctl id, const ClassificaView& view);

// Dot `k` (1..10) of the tally row `row` (ottimo first).
std::string accessibleDotName(std::size_t row, int k);
