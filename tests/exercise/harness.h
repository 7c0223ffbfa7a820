// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exercise logic with fake platform services, and a pupil who answers
// through the answer handlers.

#include "core/exercise/form1.h"
#include "core/sound/audio.h"
#include "fakes/fakes.h"

#include <string>
#include <vector>

// What the logic asked of its window.
class RecordingView final : public Form1View {
  public:
    struct Showing {
        Giudizio giudizio;
        int nrisposte;
        int nerrori;
        std::optional<double> top;
        std::string avviso;
        bool viaVisible;
    };

    void aggiorna() override { ++refreshes; }
    void mostraClassifica(std::optional<double> topTwips) override;
    void termina() override { ++terminations; }

    Form1* form = nullptr;
    std::vector<Showing> showings;
    int refreshes = 0;
    int terminations = 0;
};

struct LogicHarness {
    // `otherPause` replaces the fake pause, for tests that look at the stage during it.
    explicit LogicHarness(unsigned seed = 1, int widthPx = 800, int heightPx = 600,
                          Pause* otherPause = nullptr);

    // Puts question `row` through the sequencer: every other flag of the pass is set first.
    void putQuestion(int row);
    TipoDomanda kind() const;
    int expected() const;
    // Answers the question on screen rightly (every step of a four-step one).
    void answerRight();
    // Gives one wrong answer to the question on screen.
    void answerWrong();
    void typeInto(Ctl box, const std::string& text);

    FakeClock clock;
    ClockSeededRandom random;
    FakePause pause;
    FakeScreen screen;
    FakePlayer player;
    Audio audio;
    RecordingView view;
    Modulo1 modulo;
    Form1 form;
};
