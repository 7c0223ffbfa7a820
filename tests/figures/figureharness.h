#pragma once

// The exercise logic on fakes, and a way to put any one question of the bank.

#include "exercise/form1.h"
#include "exercise/modulo1.h"
#include "fakes/fakes.h"
#include "sound/audio.h"

#include <algorithm>

// A window that shows nothing and never holds the thread.
class NullView final : public Form1View {
  public:
    void aggiorna() override {}
    void mostraClassifica(std::optional<double>) override {}
    void termina() override {}
};

// Marks every question of the pass as put except `question`, so the next draw
// of the sequencer can only find that one.
inline void lasciaSolo(Modulo1& m, int question) {
    std::fill(m.domandefatte.begin(), m.domandefatte.end(), std::int16_t{1});
    m.domandefatte[static_cast<std::size_t>(question)] = 0;
}

// Form1 loaded on a screen of the given size in pixels (15 twips each).
struct LogicHarness {
    explicit LogicHarness(int widthPx = 800, int heightPx = 600) : screen(widthPx, heightPx) {
        form.Form_Load();
    }

    // Puts `question` on the stage, as the sequencer does.
    void metti(int question) {
        lasciaSolo(m, question);
        form.VIA_Click();
    }

    Modulo1 m;
    FakeClock clock;
    SeededRandom random{clock, 7};
    FakePause pause{clock};
    FakeScreen screen;
    FakePlayer player;
    Audio audio{player, random, "/nonexistent"};
    NullView view;
    Form1 form{m, {clock, random, pause, screen, audio, view}};
};
