// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise logic on the fake services (or a scripted generator). It is its own view:
// each results showing runs the results window's load handler, as the real window does.
#include "core/exercise/form1.h"
#include "core/results/classificalogic.h"
#include "fakes/fakes.h"
#include <vector>

struct Showing {
    Giudizio giudizio;
    double seconds; // the series' length on the clock
    std::optional<double> top;
    ClassificaView shown;
};

struct LogicHarness final : FakeServices, Form1View {
    explicit LogicHarness(unsigned seed = 1, int widthPx = 800, int heightPx = 600,
                          Random* scripted = nullptr)
        : FakeServices(seed, widthPx, heightPx, scripted),
          form(modulo, {clock, scripted ? *scripted : random, pause, screen, audio, *this}) {
        form.Form_Load();
    }
    void aggiorna() override {}
    void mostraClassifica(std::optional<double> top) override {
        const double now = clock.seconds();
        showings.push_back(
            {modulo.giudizio, now - modulo.temposerie, top, caricaClassifica(modulo, now)});
    }
    void termina() override { ++terminations; }
    void putQuestion(std::size_t row) { // as the first of a pass
        modulo.domandefatte.fill(1);
        modulo.domandefatte[row] = 0;
        form.VIA_Click();
        modulo.domandefatte.fill(0);
        modulo.domandefatte[row] = 1;
    }
    int kind() const { return static_cast<int>(cellNumber(modulo.domande(modulo.ndomanda, 0))); }
    // One answer (into the first open box of four); right segment clicks hit frames.
    void answer(bool right) {
        using C = void (Form1::*)();
        static constexpr C kClicks[] = {
            &Form1::FrSegmento1_Click, &Form1::FrSegmento2_Click, &Form1::FrSegmento3_Click,
            &Form1::LbSegmento1_Click, &Form1::LbSegmento2_Click, &Form1::LbSegmento3_Click,
            &Form1::LbRisposta1_Click, &Form1::LbRisposta2_Click, &Form1::LbRisposta3_Click,
            &Form1::FrRet2_Click,      &Form1::FrRet1_Click,      &Form1::FrRet3_Click};
        static constexpr Ctl kBoxes[] = {Ctl::Text1, Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
        const int e = static_cast<int>(cellNumber(modulo.soluzioni(modulo.ndomanda, 1)));
        const int k = kind(); // 2, 3 and 6 are answered by a click
        const int at = std::array{0, 0, 3 * !right, 6, 0, 0, 9}[k] + (right ? e - 1 : (e + 1) % 3);
        if (k == 2 || k == 3 || k == 6)
            return (form.*kClicks[at])();
        int i = 0; // the box: Text1, or the first open one of Inp1..Inp4
        while (k == 4 && !(form.stage()[kBoxes[i]].visible && form.stage()[kBoxes[i]].enabled))
            ++i;
        form.setText(kBoxes[i], std::to_string(e * std::array{1, 1, 8, 10, 6}[i] + !right));
        int enter = kTastoInvio;
        form.KeyPress(kBoxes[i], enter);
    }
    Modulo1 modulo;
    Form1 form;
    std::vector<Showing> showings;
    int terminations = 0;
};
