// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exercise/form1.h"
#include "web/pageclassifica.h"
#include "web/webplatform.h"

#include <emscripten/val.h>

#include <array>
#include <vector>

// The exercise window as a page: builds the element of every control of the
// design inside <div id="Form1">, hands the pupil's clicks and keys to the
// logic, and shows the stage the logic leaves. The page's script calls the
// functions of main.cpp, which call this.
class PageForm1 final : private Form1View {
  public:
    PageForm1(Clock& clock, Random& random, Pause& pause, const PageScreen& screen, Audio& audio,
              Speech* speech, const ClassroomSettings& settings, bool touchScreen);

    // Runs the load handler and shows the first stage at the viewport's size.
    void start();
    Form1& logic() { return logic_; }
    Modulo1& modulo() { return modulo_; }

    // The events the page passes on; each shows the stage the logic leaves.
    void click(Ctl id);
    void enter(Ctl box, const std::string& text);
    void edited(Ctl box, const std::string& text);
    void tick();
    void touched();
    void painted();
    // The viewport changed: lays the exercise out again for its size, and
    // keeps an open results window inside it.
    void resized();
    void voicesChanged();
    // Runs what the page queued while the logic held the thread.
    void pump();
    // True once the pupil has put a question or a series has been graded:
    // leaving the page would lose something.
    bool hasAnswers() const;
    bool closed() const { return closed_; }

  private:
    void aggiorna() override;
    void mostraClassifica(std::optional<double> topTwips) override;
    void termina() override;

    void creaControlli();
    void applicaControllo(Ctl id);
    void applicaFigure();
    void applicaFuoco();

    const PageScreen& screen_;
    Speech* speech_;
    Modulo1 modulo_;
    Form1 logic_;
    PageClassifica classifica_;
    emscripten::val root_;
    std::vector<emscripten::val> elements_; // in the design's order
    Stage shown_;
    std::array<std::string, kControlCount> names_;
    bool shownOnce_ = false;
    bool closed_ = false;
};
