#pragma once

// The real exercise window on fakes, and a way to put any one question of the
// bank on it as the pupil's VIA button would.

#include "fakes/fakes.h"
#include "figureharness.h"
#include "figures/figureframe.h"
#include "forms/form1window.h"

#include <QPushButton>

#include <memory>

struct WindowHarness {
    WindowHarness(int widthPx, int heightPx) : screen(widthPx, heightPx) {
        window =
            std::make_unique<Form1Window>(PlatformServices{clock, random, pause, screen, audio});
        window->setTerminator([] {});
        window->start(false);
    }

    // Puts `question` on the window; the button is clicked even once hidden,
    // as the answer handlers run the sequencer after a right answer.
    void metti(int question) {
        lasciaSolo(window->modulo(), question);
        static_cast<QPushButton*>(window->control(Ctl::VIA))->click();
    }

    FigureFrame* frame(const char* name) const {
        return window->findChild<FigureFrame*>(QString::fromLatin1(name));
    }

    FakeClock clock;
    SeededRandom random{clock, 7};
    FakePause pause{clock};
    FakeScreen screen;
    FakePlayer player;
    Audio audio{player, random, "/nonexistent"};
    std::unique_ptr<Form1Window> window;
};
