// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed bank of 42 questions, one line a question, in row order.
#include "core/exercise/modulo1.h"

#include <array>
#include <cstddef>

namespace {

// The two sides of a rectangle, in units.
struct Lati {
    int altezza = 0;
    int base = 0;
};

// One question: its kind, its text, the fields its kind uses, and the answer.
struct Domanda {
    TipoDomanda tipo;
    const char* testo;
    // CliccaMisura: the captions of LbRisposta1..3.
    std::array<const char*, 3> didascalie{};
    // NumeroSulRettangolo: the one rectangle; CliccaRettangolo: the three,
    // left to right as the pupil sees them.
    Lati rettangoli[3]{};
    int cornice = 0; // the rectangles' frame value, carried to the layout
    // The number to type (for QuattroMisure, the unit), or the place 1..3 of
    // the right choice.
    int risposta = 0;
};

using enum TipoDomanda;

// clang-format off
constexpr std::array<Domanda, Modulo1::kQuestions> kDomande = {{
    {.tipo = NumeroSuiSegmenti, .testo = "Quante unità frazionarie ci sono nel 1° segmento?", .risposta = 8},
    {.tipo = NumeroSuiSegmenti, .testo = "Quante unità frazionarie ci sono nel 2° segmento?", .risposta = 10},
    {.tipo = NumeroSuiSegmenti, .testo = "Quante unità frazionarie ci sono nel 3° segmento?", .risposta = 6},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che ha 6 unità frazionarie.", .risposta = 3},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che ha 8 unità frazionarie.", .risposta = 1},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che ha 10 unità frazionarie.", .risposta = 2},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che è 10/8 del primo segmento", .risposta = 2},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che è 6/8 del primo segmento", .risposta = 3},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che è 8/10 del secondo segmento", .risposta = 1},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che è 6/10 del secondo segmento", .risposta = 3},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che è 8/6 del terzo segmento", .risposta = 1},
    {.tipo = CliccaSegmento, .testo = "Clicca sul segmento che è 10/6 del terzo segmento", .risposta = 2},
    {.tipo = CliccaMisura, .testo = "Se il primo segmento misura 80 cm, quanto misura il secondo segmento? ", .didascalie = {"100 cm", "64 cm", "48 cm"}, .risposta = 1},
    {.tipo = CliccaMisura, .testo = "Se il primo segmento misura 80 cm, quanto misura il terzo segmento? ", .didascalie = {"60 cm", "80 cm", "48 cm"}, .risposta = 1},
    {.tipo = CliccaMisura, .testo = "Se il primo segmento misura 80 cm, quanto misura il terzo segmento? ", .didascalie = {"64 cm", "100 cm", "60 cm"}, .risposta = 3},
    {.tipo = CliccaMisura, .testo = "Se il secondo segmento misura 80 cm, quanto misura il terzo segmento? ", .didascalie = {"48 cm", "64 cm", "40 cm"}, .risposta = 1},
    {.tipo = CliccaMisura, .testo = "Se il primo segmento misura 48 cm, quanto misura l'unità frazionaria? ", .didascalie = {"48 cm", "8 cm", "6 cm"}, .risposta = 3},
    {.tipo = CliccaMisura, .testo = "Se il secondo segmento misura 48 cm, quanto misura l'unità frazionaria? ", .didascalie = {"8 cm", "4,8 cm", "6 cm"}, .risposta = 2},
    {.tipo = CliccaMisura, .testo = "Se il terzo segmento misura 48 cm, quanto misura l'unità frazionaria? ", .didascalie = {"4,8 cm", "6 cm", "8 cm"}, .risposta = 3},
    {.tipo = QuattroMisure, .testo = "La somma del primo segmento con il secondo è 36 cm: ", .risposta = 2},
    {.tipo = QuattroMisure, .testo = "La somma del primo segmento con il terzo è 14 cm: ", .risposta = 1},
    {.tipo = QuattroMisure, .testo = "La somma del secondo segmento con il terzo è 48 cm: ", .risposta = 3},
    {.tipo = QuattroMisure, .testo = "La differenza tra il secondo segmento ed il primo è 14 cm: ", .risposta = 7},
    {.tipo = QuattroMisure, .testo = "La differenza tra il secondo segmento ed il terzo è 20 cm: ", .risposta = 5},
    {.tipo = QuattroMisure, .testo = "La differenza tra il primo segmento ed il terzo è 12 cm: ", .risposta = 6},
    {.tipo = NumeroSulRettangolo, .testo = "Quante unità frazionarie ha la base?", .rettangoli = {{3, 4}}, .cornice = 2500, .risposta = 4},
    {.tipo = NumeroSulRettangolo, .testo = "Quante unità frazionarie ha l'altezza?", .rettangoli = {{4, 8}}, .cornice = 2500, .risposta = 4},
    {.tipo = NumeroSulRettangolo, .testo = "Quante unità frazionarie ha la differenza tra base e altezza?", .rettangoli = {{2, 5}}, .cornice = 2500, .risposta = 3},
    {.tipo = NumeroSulRettangolo, .testo = "Quante unità frazionarie ha la somma tra base e altezza?", .rettangoli = {{6, 3}}, .cornice = 2000, .risposta = 9},
    {.tipo = NumeroSulRettangolo, .testo = "Quante unità frazionarie ha il perimetro?", .rettangoli = {{3, 4}}, .cornice = 2500, .risposta = 14},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale a tre quinti della base.", .rettangoli = {{3, 5}, {5, 3}, {3, 7}}, .cornice = 2500, .risposta = 1},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale a cinque terzi della base.", .rettangoli = {{3, 5}, {5, 3}, {3, 7}}, .cornice = 2500, .risposta = 2},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale a tre settimi della base.", .rettangoli = {{3, 5}, {7, 3}, {3, 7}}, .cornice = 2500, .risposta = 3},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha la base uguale a quattro terzi dell'altezza.", .rettangoli = {{3, 4}, {4, 3}, {3, 5}}, .cornice = 2500, .risposta = 1},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale al doppio della base.", .rettangoli = {{6, 4}, {2, 1}, {1, 2}}, .cornice = 2500, .risposta = 2},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale alla metà della base.", .rettangoli = {{2, 1}, {1, 3}, {1, 2}}, .cornice = 2500, .risposta = 3},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha la base uguale al triplo dell'altezza.", .rettangoli = {{3, 6}, {1, 3}, {3, 1}}, .cornice = 2500, .risposta = 2},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale ad un terzo della base.", .rettangoli = {{6, 2}, {3, 1}, {1, 3}}, .cornice = 2500, .risposta = 3},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale a sette mezzi della base.", .rettangoli = {{7, 2}, {2, 7}, {4, 1}}, .cornice = 2500, .risposta = 1},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha la base uguale a tre ottavi dell'altezza.", .rettangoli = {{3, 8}, {8, 3}, {3, 5}}, .cornice = 2500, .risposta = 2},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha l'altezza uguale a due decimi del perimetro.", .rettangoli = {{2, 3}, {3, 2}, {2, 8}}, .cornice = 2500, .risposta = 1},
    {.tipo = CliccaRettangolo, .testo = "Clicca sul rettangolo che ha la base uguale a tre decimi del perimetro.", .rettangoli = {{3, 7}, {3, 2}, {2, 3}}, .cornice = 2500, .risposta = 3},
}};
// clang-format on

// Columns of `domande`: 0 the kind, 1 the text, from 2 on what the kind uses.
constexpr int kColonnaTipo = 0;
constexpr int kColonnaTesto = 1;
constexpr int kPrimaColonna = 2;
// Columns up to this one that a kind leaves unused hold the empty string; the
// ones after it stay empty.
constexpr int kUltimaColonnaVuota = 5;
// The column of `soluzioni` that holds the answer; the others hold the empty string.
constexpr int kColonnaRisposta = 1;

int rettangoliDi(TipoDomanda tipo) {
    return tipo == NumeroSulRettangolo ? 1 : tipo == CliccaRettangolo ? 3 : 0;
}

} // namespace

void riempiDomande(Modulo1& m) {
    for (int r = 0; r < Modulo1::kQuestions; ++r) {
        const Domanda& d = kDomande[static_cast<std::size_t>(r)];
        m.domande(r, kColonnaTipo) = integer(static_cast<int>(d.tipo));
        m.domande(r, kColonnaTesto) = std::string(d.testo);
        for (int c = kPrimaColonna; c <= kUltimaColonnaVuota; ++c)
            m.domande(r, c) = std::string();

        int c = kPrimaColonna;
        if (d.tipo == CliccaMisura)
            for (const char* didascalia : d.didascalie)
                m.domande(r, c++) = std::string(didascalia);
        const int rettangoli = rettangoliDi(d.tipo);
        for (int i = 0; i < rettangoli; ++i) {
            m.domande(r, c++) = integer(d.rettangoli[i].altezza);
            m.domande(r, c++) = integer(d.rettangoli[i].base);
        }
        if (rettangoli > 0)
            m.domande(r, c) = integer(d.cornice);

        for (int col = 0; col < m.soluzioni.cols(); ++col)
            m.soluzioni(r, col) = std::string();
        m.soluzioni(r, kColonnaRisposta) = integer(d.risposta);
    }
}
