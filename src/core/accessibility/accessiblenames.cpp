// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/accessibility/accessiblenames.h"

#include "core/common/numbertext.h"
#include "core/common/spokentext.h"
#include "core/results/classificalogic.h"

#include <algorithm>
#include <array>

namespace {

// "primo", or "prima" for a feminine noun: the first, second ... of a row.
std::string ordinale(std::size_t posizione, bool femminile = false) {
    std::string parola = ordinalWord(static_cast<long long>(posizione) + 1);
    if (femminile)
        parola.back() = 'a';
    return parola;
}

// "nome: testo", or the name alone while the control shows nothing.
std::string conTesto(const std::string& nome, const std::string& testo) {
    const std::string parlato = spokenItalian(testo);
    return parlato.empty() ? nome : nome + ": " + parlato;
}

// A counter shows its design caption until its first value: that is a 0.
std::string contatore(const std::string& nome, const std::string& testo) {
    const bool numero = !testo.empty() && std::all_of(testo.begin(), testo.end(), isDigit);
    return nome + " " + (numero ? testo : "0");
}

// Counts of pieces and series in words, so that one is "una unità", "una serie".
std::string unita(int n) {
    return spokenItalian(std::to_string(n) +
                         (n == 1 ? " unità frazionaria" : " unità frazionarie"));
}

template <std::size_t N> int visibili(const std::array<PieceGeometry, N>& pieces) {
    return static_cast<int>(
        std::count_if(pieces.begin(), pieces.end(), [](const auto& p) { return p.visible; }));
}

std::string segmento(const Stage& stage, std::size_t i) {
    const std::string nome = ordinale(i) + " segmento";
    const int n = visibili(stage.segmenti[i].pieces);
    return n > 0 ? nome + ", " + unita(n) : nome;
}

std::string rettangolo(const Stage& stage, Ctl frame) {
    const auto f = static_cast<std::size_t>(
        std::find(kRectangleFrames.begin(), kRectangleFrames.end(), frame) -
        kRectangleFrames.begin());
    const RectangleFigure& r = stage.rettangoli[f];
    // Counted from the left as the pupil sees them: FrRet2, FrRet1, FrRet3; one alone has no
    // number.
    constexpr std::array<std::size_t, 3> kPosizione = {1, 0, 2};
    const bool solo = std::count_if(kRectangleFrames.begin(), kRectangleFrames.end(),
                                    [&](Ctl c) { return stage[c].visible; }) <= 1;
    const std::string nome = solo ? "rettangolo" : ordinale(kPosizione[f]) + " rettangolo";
    return nome + ", altezza " + unita(visibili(r.altezza1)) + ", base " + unita(visibili(r.base1));
}

std::string prompt(const Stage& stage, Ctl label) {
    return spokenItalian(stage[label].text);
}

} // namespace

std::string accessibleName(Ctl id, const Stage& stage) {
    const std::string& testo = stage[id].text;
    switch (id) {
    case Ctl::Frame1:
        return "comandi";
    case Ctl::avviso:
        return conTesto("avviso", testo);
    case Ctl::VIA:
        return "via";
    case Ctl::FINE:
        return "fine";
    case Ctl::gratifica:
        return conTesto("messaggio", testo);
    case Ctl::LbRisposte:
        return contatore("risposte", testo);
    case Ctl::LbErrori:
        return contatore("errori", testo);
    case Ctl::LbTempo:
        return contatore("secondi", testo);
    case Ctl::LbCodice:
        return testo == "codice" ? "codice della domanda" : "codice della domanda " + testo;
    case Ctl::Command1:
        return "classifica";
    case Ctl::LbSegmento1:
    case Ctl::LbSegmento2:
    case Ctl::LbSegmento3:
        return spokenItalian(testo);
    case Ctl::FrSegmento1:
    case Ctl::FrSegmento2:
    case Ctl::FrSegmento3:
        return segmento(stage, static_cast<std::size_t>(
                                   std::find(kSegmentFrames.begin(), kSegmentFrames.end(), id) -
                                   kSegmentFrames.begin()));
    case Ctl::LbDOMANDA:
        return conTesto("domanda", testo);
    case Ctl::Text1:
        return "risposta";
    case Ctl::LbRisposta1:
    case Ctl::LbRisposta2:
    case Ctl::LbRisposta3: {
        const auto n = static_cast<std::size_t>(index(id) - index(Ctl::LbRisposta1));
        return conTesto(ordinale(n, true) + " risposta", testo);
    }
    case Ctl::LbSub1:
    case Ctl::LbSub2:
    case Ctl::LbSub3:
    case Ctl::LbSub4:
        return spokenItalian(testo);
    // Each box is named by the prompt beside it.
    case Ctl::Inp1:
        return prompt(stage, Ctl::LbSub1);
    case Ctl::Inp2:
        return prompt(stage, Ctl::LbSub2);
    case Ctl::Inp3:
        return prompt(stage, Ctl::LbSub3);
    case Ctl::Inp4:
        return prompt(stage, Ctl::LbSub4);
    case Ctl::FrRet1:
    case Ctl::FrRet2:
    case Ctl::FrRet3:
        return rettangolo(stage, id);
    case Ctl::LEGGI:
        return "leggi ad alta voce";
    // The keys of the number pad, after what they type.
    case Ctl::TastoCancella:
        return "cancella";
    case Ctl::INVIO:
        return "invio";
    case Ctl::Tasto0:
    case Ctl::Tasto1:
    case Ctl::Tasto2:
    case Ctl::Tasto3:
    case Ctl::Tasto4:
    case Ctl::Tasto5:
    case Ctl::Tasto6:
    case Ctl::Tasto7:
    case Ctl::Tasto8:
    case Ctl::Tasto9:
        return "tasto " + testo;
    }
    return {};
}

std::string accessibleName(classifica::Ctl id, const ClassificaView& view) {
    using classifica::Ctl;
    switch (id) {
    case Ctl::LbOttimo:
    case Ctl::LbDistinto:
    case Ctl::LbBuono:
    case Ctl::LbSufficiente:
    case Ctl::LbOccorre: {
        // The row's title with the number of its dots.
        const auto riga = static_cast<std::size_t>(id) - static_cast<std::size_t>(Ctl::LbOttimo);
        const int serie = view.dots[riga];
        return spokenItalian(classifica::design(id).text) + ", " +
               (serie == 0 ? std::string("nessuna serie")
                           : spokenItalian(std::to_string(serie) + " serie"));
    }
    case Ctl::Label5:
        return spokenItalian(classifica::design(id).text);
    case Ctl::RISULTATO:
        return conTesto("giudizio", view.risultato);
    case Ctl::Command1:
        return "prosegui";
    case Ctl::LbTrecord:
        return conTesto("record", view.trecord);
    case Ctl::LbNuovoRecord:
        return conTesto("annuncio del record", view.nuovoRecord);
    case Ctl::Shape1:
        return {}; // a decoration: no control, nothing to say
    case Ctl::Image1:
        return "bersaglio con tre freccette";
    }
    return {};
}

std::string accessibleDotName(std::size_t row, int k) {
    const std::string riga = spokenItalian(
        classifica::design(
            static_cast<classifica::Ctl>(static_cast<std::size_t>(classifica::Ctl::LbOttimo) + row))
            .text);
    return riga + ", serie " + std::to_string(k);
}
