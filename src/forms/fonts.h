#pragma once

// Maps the faces of the designs to metric-compatible free faces, so text
// measures as designed: Arial to Liberation Sans, and MS Sans Serif, for which
// no free twin exists, to the same face instead of a wider fallback.
void installFontSubstitutes();
