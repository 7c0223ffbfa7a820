// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil who works out the answer from what the window shows: the question's
// words, the captions of the answer labels and the pieces the figures paint.

#include "../forms/windowharness.h"

// The kind of the question on screen, told by the controls it shows.
TipoDomanda kindOnScreen(const WindowHarness& h);

// The number to type (for four measures, the unit), or the place 1..3 of the
// choice to click, left to right; -1 when nothing fits, 0 when more than one does.
int solve(const WindowHarness& h);
