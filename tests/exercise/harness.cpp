// SPDX-License-Identifier: GPL-3.0-or-later
#include "harness.h"

#include "core/common/cell.h"

namespace {
constexpr Ctl kInp[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
constexpr int kFactor[] = {1, 8, 10, 6};
} // namespace

void RecordingView::mostraClassifica(std::optional<double> topTwips) {
    const Modulo1& m = form->modulo();
    showings.push_back({m.giudizio, m.nrisposte, m.nerrori, topTwips,
                        form->stage()[Ctl::avviso].text, form->stage()[Ctl::VIA].visible});
}

LogicHarness::LogicHarness(unsigned seed, int widthPx, int heightPx, Pause* otherPause)
    : random(clock, seed), pause(clock), screen(widthPx, heightPx), audio(player, random, "/app"),
      form(modulo, {clock, random, otherPause ? *otherPause : pause, screen, audio, view}) {
    view.form = &form;
}

void LogicHarness::putQuestion(int row) {
    modulo.domandefatte.fill(1);
    modulo.domandefatte[static_cast<std::size_t>(row)] = 0;
    form.VIA_Click();
}

TipoDomanda LogicHarness::kind() const {
    return static_cast<TipoDomanda>(cellNumber(modulo.domande(modulo.ndomanda, 0)));
}

int LogicHarness::expected() const {
    return static_cast<int>(cellNumber(modulo.soluzioni(modulo.ndomanda, 1)));
}

void LogicHarness::typeInto(Ctl box, const std::string& text) {
    form.setText(box, text);
    int tasto = kTastoInvio;
    form.KeyPress(box, tasto);
}

void LogicHarness::answerRight() {
    const int e = expected();
    switch (kind()) {
    case TipoDomanda::NumeroSuiSegmenti:
    case TipoDomanda::NumeroSulRettangolo:
        typeInto(Ctl::Text1, std::to_string(e));
        break;
    case TipoDomanda::CliccaSegmento:
        if (e == 1)
            form.FrSegmento1_Click();
        else if (e == 2)
            form.LbSegmento2_Click();
        else
            form.FrSegmento3_Click();
        break;
    case TipoDomanda::CliccaMisura:
        if (e == 1)
            form.LbRisposta1_Click();
        else if (e == 2)
            form.LbRisposta2_Click();
        else
            form.LbRisposta3_Click();
        break;
    case TipoDomanda::QuattroMisure:
        for (int i = 0; i < 4; ++i)
            typeInto(kInp[i], std::to_string(e * kFactor[i]));
        break;
    case TipoDomanda::CliccaRettangolo:
        if (e == 1)
            form.FrRet2_Click();
        else if (e == 2)
            form.FrRet1_Click();
        else
            form.FrRet3_Click();
        break;
    }
}

void LogicHarness::answerWrong() {
    const int e = expected();
    switch (kind()) {
    case TipoDomanda::NumeroSuiSegmenti:
    case TipoDomanda::NumeroSulRettangolo:
        typeInto(Ctl::Text1, std::to_string(e + 1));
        break;
    case TipoDomanda::CliccaSegmento:
        e == 1 ? form.FrSegmento2_Click() : form.FrSegmento1_Click();
        break;
    case TipoDomanda::CliccaMisura:
        e == 1 ? form.LbRisposta2_Click() : form.LbRisposta1_Click();
        break;
    case TipoDomanda::QuattroMisure:
        typeInto(Ctl::Inp1, "abc");
        break;
    case TipoDomanda::CliccaRettangolo:
        e == 2 ? form.FrRet2_Click() : form.FrRet1_Click();
        break;
    }
}
