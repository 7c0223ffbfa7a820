// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/results/classificalogic.h"

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <vector>

class Clock;
struct Modulo1;

// The results window as a modal layer of the page, <div id="Classifica">,
// built afresh from its design at each opening. Its load handler grades,
// tallies and times the series; PROSEGUI closes it.
class PageClassifica {
  public:
    PageClassifica(Modulo1& modulo, const Clock& clock, double twipsPerPixel);

    // Opens the layer over the exercise and returns when the pupil has pressed
    // PROSEGUI, blinking the grade meanwhile. `topTwips` places its top edge.
    // `caricata` is told what the load handler decided; `meanwhile` runs what
    // the page queued, between the waits that give the browser its thread.
    void apri(std::optional<double> topTwips, int viewportWidth, int viewportHeight,
              const std::function<void(const ClassificaView&)>& caricata,
              const std::function<void()>& meanwhile);
    // PROSEGUI was pressed (a click, a tap or Enter).
    void prosegui();
    // Places the open layer again for a viewport of this size.
    void collocaDiNuovo(int viewportWidth, int viewportHeight);

  private:
    using Ctl = classifica::Ctl;
    void creaControlli();
    void Form_Load();
    void Timer1_Timer();
    emscripten::val& control(Ctl id) { return elements_[static_cast<std::size_t>(id)]; }

    Modulo1& modulo_;
    const Clock& clock_;
    double tpp_;
    emscripten::val layer_;
    std::vector<emscripten::val> elements_;             // in the design's order
    std::vector<std::vector<emscripten::val>> pallini_; // rows of circles, ottimo first
    ClassificaView view_;
    std::optional<double> topTwips_;
    bool open_ = false;
    bool prosegui_ = false;
    bool risultatoVisible_ = true;
};
