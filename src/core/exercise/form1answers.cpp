// SPDX-License-Identifier: GPL-3.0-or-later
// The answer handlers: clicks on segments, answer labels and rectangles, and
// the typed answers of Text1 and Inp1..Inp4.
#include "core/exercise/form1.h"

#include "core/common/numbertext.h"
#include "core/common/spokentext.h"
#include "core/exercise/tastierino.h"

#include <array>

namespace {

// The four-step question: box, its prompt and the factor of the unit it expects.
struct Step {
    Ctl box;
    Ctl prompt;
    int factor;
};
constexpr std::array<Step, 4> kSteps = {{
    {Ctl::Inp1, Ctl::LbSub1, 1},
    {Ctl::Inp2, Ctl::LbSub2, 8},
    {Ctl::Inp3, Ctl::LbSub3, 10},
    {Ctl::Inp4, Ctl::LbSub4, 6},
}};

} // namespace

void Form1::rispostaCliccata(TipoDomanda tipoRichiesto, int posizione) {
    if (pausing_ || closed_)
        return;
    if (tipoDomanda() != tipoRichiesto)
        return;
    if (attesa() == posizione) {
        flashbravo();
        VIA_Click();
    } else {
        flashsbagliato();
    }
}

void Form1::FrSegmento1_Click() {
    rispostaCliccata(TipoDomanda::CliccaSegmento, 1);
}
void Form1::FrSegmento2_Click() {
    rispostaCliccata(TipoDomanda::CliccaSegmento, 2);
}
void Form1::FrSegmento3_Click() {
    rispostaCliccata(TipoDomanda::CliccaSegmento, 3);
}
void Form1::LbSegmento1_Click() {
    rispostaCliccata(TipoDomanda::CliccaSegmento, 1);
}
void Form1::LbSegmento2_Click() {
    rispostaCliccata(TipoDomanda::CliccaSegmento, 2);
}
void Form1::LbSegmento3_Click() {
    rispostaCliccata(TipoDomanda::CliccaSegmento, 3);
}
void Form1::LbRisposta1_Click() {
    rispostaCliccata(TipoDomanda::CliccaMisura, 1);
}
void Form1::LbRisposta2_Click() {
    rispostaCliccata(TipoDomanda::CliccaMisura, 2);
}
void Form1::LbRisposta3_Click() {
    rispostaCliccata(TipoDomanda::CliccaMisura, 3);
}
// The left frame shows choice 1, the middle one choice 2.
void Form1::FrRet2_Click() {
    rispostaCliccata(TipoDomanda::CliccaRettangolo, 1);
}
void Form1::FrRet1_Click() {
    rispostaCliccata(TipoDomanda::CliccaRettangolo, 2);
}
void Form1::FrRet3_Click() {
    rispostaCliccata(TipoDomanda::CliccaRettangolo, 3);
}

void Form1::Text1_KeyPress(int& tasto) {
    if (tasto != kTastoInvio || pausing_ || closed_)
        return;
    const auto value = answerValue(stage_[Ctl::Text1].text);
    if (value && *value == attesa()) {
        flashbravo();
        stage_[Ctl::Text1].text.clear();
        VIA_Click();
    } else {
        flashsbagliato();
        stage_[Ctl::Text1].text.clear();
        chiediFuoco(Ctl::Text1);
    }
}

void Form1::Inp1_KeyPress(int& tasto) {
    inpKeyPress(1, tasto);
}
void Form1::Inp2_KeyPress(int& tasto) {
    inpKeyPress(2, tasto);
}
void Form1::Inp3_KeyPress(int& tasto) {
    inpKeyPress(3, tasto);
}
void Form1::Inp4_KeyPress(int& tasto) {
    inpKeyPress(4, tasto);
}

void Form1::KeyPress(Ctl box, int& tasto) {
    switch (box) {
    case Ctl::Text1:
        Text1_KeyPress(tasto);
        break;
    case Ctl::Inp1:
        Inp1_KeyPress(tasto);
        break;
    case Ctl::Inp2:
        Inp2_KeyPress(tasto);
        break;
    case Ctl::Inp3:
        Inp3_KeyPress(tasto);
        break;
    case Ctl::Inp4:
        Inp4_KeyPress(tasto);
        break;
    default:
        break;
    }
}

void Form1::Tastierino_Click(Ctl tasto) {
    const std::optional<int> codice = codiceTasto(tasto);
    if (!codice || !stage_[tasto].visible || !stage_.focus || pausing_ || closed_)
        return;
    const Ctl box = *stage_.focus;
    if (!stage_[box].visible || !stage_[box].enabled)
        return;
    // The handler sees the key first, as it sees a key of the keyboard; Enter
    // is all it acts on, and every other key then edits the box.
    int codiceInviato = *codice;
    KeyPress(box, codiceInviato);
    if (codiceInviato == kTastoInvio)
        return;
    std::string& text = stage_[box].text;
    if (codiceInviato == kTastoCancella)
        cancellaUltimo(text);
    else if (isDigit(static_cast<char>(codiceInviato)))
        text += static_cast<char>(codiceInviato);
}

void Form1::inpKeyPress(int n, int& tasto) {
    if (tasto != kTastoInvio || pausing_ || closed_)
        return;
    const Step& step = kSteps[static_cast<std::size_t>(n - 1)];
    ControlState& box = stage_[step.box];
    // A box already accepted takes no more input.
    if (!box.enabled || !box.visible)
        return;
    const auto value = answerValue(box.text);
    if (value && *value == attesa() * step.factor) {
        box.text += " cm";
        flashbravo();
        box.enabled = false;
        if (n < 4) {
            const Step& next = kSteps[static_cast<std::size_t>(n)];
            stage_[next.prompt].visible = true;
            stage_[next.box].visible = true;
            chiediFuoco(next.box);
            // With automatic reading the next box's prompt is read as it appears.
            if (letturaAutomatica_)
                leggi(spokenItalian(stage_[next.prompt].text));
        } else {
            VIA_Click();
        }
    } else {
        flashsbagliato();
        box.text.clear();
        chiediFuoco(step.box);
    }
}
