// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exercise logic with the fake services. It is its own view: each results
// showing runs the results window's load handler, as the real window does,
// and is kept. A pupil answers through the answer handlers.

#include "core/exercise/form1.h"
#include "core/results/classificalogic.h"
#include "core/sound/audio.h"
#include "fakes/fakes.h"

#include <vector>

struct Showing {
    Giudizio giudizio;
    int nrisposte;
    double seconds; // of the series, on the clock
    std::optional<double> top;
    std::string avviso;
    ClassificaView shown;
};

struct LogicHarness final : Form1View {
    explicit LogicHarness(unsigned seed = 1, int widthPx = 800, int heightPx = 600)
        : random(clock, seed), pause(clock), screen(widthPx, heightPx),
          audio(player, random, "/app"), form(modulo, {clock, random, pause, screen, audio, *this}) {
        form.Form_Load();
    }
    void aggiorna() override {}
    void mostraClassifica(std::optional<double> top) override {
        const double seconds = clock.seconds() - modulo.temposerie;
        showings.push_back({modulo.giudizio, modulo.nrisposte, seconds, top,
                            form.stage()[Ctl::avviso].text, caricaClassifica(modulo, clock.seconds())});
    }
    void termina() override { ++terminations; }

    // Puts question `row` through the sequencer, as the first of its pass.
    void putQuestion(int row) {
        modulo.domandefatte.fill(1);
        modulo.domandefatte[static_cast<std::size_t>(row)] = 0;
        form.VIA_Click();
        modulo.domandefatte.fill(0);
        modulo.domandefatte[static_cast<std::size_t>(row)] = 1;
    }
    TipoDomanda kind() const {
        return static_cast<TipoDomanda>(static_cast<int>(cellNumber(modulo.domande(modulo.ndomanda, 0))));
    }
    void type(Ctl box, int value) {
        form.setText(box, std::to_string(value));
        int enter = kTastoInvio;
        form.KeyPress(box, enter);
    }
    // One answer to the question on screen, right or wrong; a four-box question
    // takes it in its first box still open. Right clicks go to the frames,
    // wrong ones to the labels, so every click handler is used.
    void answer(bool right) {
        using C = void (Form1::*)();
        static constexpr C kSegments[2][3] = {
            {&Form1::FrSegmento1_Click, &Form1::FrSegmento2_Click, &Form1::FrSegmento3_Click},
            {&Form1::LbSegmento1_Click, &Form1::LbSegmento2_Click, &Form1::LbSegmento3_Click}};
        static constexpr C kMeasures[] = {&Form1::LbRisposta1_Click, &Form1::LbRisposta2_Click,
                                          &Form1::LbRisposta3_Click};
        static constexpr C kRectangles[] = {&Form1::FrRet2_Click, &Form1::FrRet1_Click,
                                            &Form1::FrRet3_Click};
        static constexpr Ctl kBoxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
        static constexpr int kFactors[] = {1, 8, 10, 6};
        const int e = static_cast<int>(cellNumber(modulo.soluzioni(modulo.ndomanda, 1)));
        const auto place = static_cast<std::size_t>((right ? e : e % 3 + 1) - 1);
        switch (kind()) {
        case TipoDomanda::NumeroSuiSegmenti:
        case TipoDomanda::NumeroSulRettangolo:
            return type(Ctl::Text1, right ? e : e + 1);
        case TipoDomanda::CliccaSegmento:
            return (form.*kSegments[right ? 0 : 1][place])();
        case TipoDomanda::CliccaMisura:
            return (form.*kMeasures[place])();
        case TipoDomanda::CliccaRettangolo:
            return (form.*kRectangles[place])();
        case TipoDomanda::QuattroMisure:
            for (std::size_t i = 0; i < 4; ++i)
                if (form.stage()[kBoxes[i]].enabled && form.stage()[kBoxes[i]].visible)
                    return type(kBoxes[i], e * kFactors[i] + (right ? 0 : 1));
        }
    }
    // Answers the question on screen rightly, every box of a four-box one.
    void answerRight() {
        for (int i = kind() == TipoDomanda::QuattroMisure ? 4 : 1; i > 0; --i)
            answer(true);
    }

    FakeClock clock;
    ClockSeededRandom random;
    FakePause pause;
    FakeScreen screen;
    FakePlayer player;
    Audio audio;
    Modulo1 modulo;
    Form1 form;
    std::vector<Showing> showings;
    int terminations = 0;
};
