// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Maps the faces of the designs to metric-compatible free faces, so text
// measures as designed: Arial to Liberation Sans, and MS Sans Serif, for which
// no free twin exists, to the same face instead of a wider fallback.
void installFontSubstitutes();

// Sets up the running QApplication as the program looks everywhere: its name,
// the Fusion style, the font substitutes, the designs' face as its default
// font (so no other font file is opened), a text cursor that stays lit
// instead of blinking, so an idle window with a question on screen does not
// wake twice a second, and a small cache of the style's pictures, so memory
// stays flat in long use.
void prepareApplication();
