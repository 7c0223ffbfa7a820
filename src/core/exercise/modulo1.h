// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/cell.h"
#include "core/exercise/giudizio.h"

#include <array>
#include <cstdint>

// The kinds of question, as column 0 of `domande` holds them; the kind fixes
// the figures shown and how the pupil answers.
enum class TipoDomanda {
    NumeroSuiSegmenti = 1,   // the three segments; type a number and press Enter
    CliccaSegmento = 2,      // the three segments; click the right one
    CliccaMisura = 3,        // the three segments; click the right one of three measures
    QuattroMisure = 4,       // the three segments; type the unit, then each segment, in cm
    NumeroSulRettangolo = 5, // one rectangle; type a number and press Enter
    CliccaRettangolo = 6,    // three rectangles; click the right one
};

// Whether questions of this kind show the three segments; the others show rectangles.
constexpr bool conSegmenti(TipoDomanda tipo) {
    return tipo >= TipoDomanda::NumeroSuiSegmenti && tipo <= TipoDomanda::QuattroMisure;
}

// Program-wide state of the exercise: the question bank and the state of the
// current series and pass. One instance lives as long as the program; it is
// created empty and filled by Form1's load handler.
struct Modulo1 {
    static constexpr int kQuestions = 42;

    // The question bank, rows 0..42 by columns 0..8 (row 42 stays empty), and
    // the answer key, rows 0..42 by columns 0..5 (only column 1 is read).
    CellTable domande{kQuestions + 1, 9};
    CellTable soluzioni{kQuestions + 1, 6};

    // 1 for each question already put in the current pass.
    std::array<std::int16_t, kQuestions> domandefatte{};
    int ndomanda = 0;  // row of the question on screen, 0..41
    int nrisposte = 0; // answers judged in the current series, right and wrong
    int nerrori = 0;   // wrong answers in the current series

    // Clock readings (monotonic seconds) at which the question and the series began.
    double tempodomanda = 0;
    double temposerie = 0;

    double record = 0; // best series time in seconds; kNessunRecord until a series sets one
    Giudizio giudizio = Giudizio::Nessuno; // grade handed to the results window
    bool sfondoalterno = false;

    // How many series earned each grade, 0..10 each.
    int nottimo = 0;
    int ndistinto = 0;
    int nbuono = 0;
    int nsufficiente = 0;
    int noccorre = 0;
};

// Fills rows 0..41 of `domande` and `soluzioni` with the fixed bank, in row order.
void riempiDomande(Modulo1& m);
