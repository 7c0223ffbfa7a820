#pragma once

#include <optional>

class Clock;
class QWidget;
struct Modulo1;

// Opens the results window modally over `owner` and returns when the pupil has
// pressed PROSEGUI. The window is made afresh and destroyed at each opening.
// `topTwips` places its top edge; without it, it opens at the screen's top-left corner.
void apriClassifica(Modulo1& modulo, const Clock& clock, QWidget* owner,
                    std::optional<double> topTwips, double twipsPerPixel);
