#pragma once

#include "exercise/cell.h"

#include <array>
#include <cstdint>

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

    double record = 0; // best series time in seconds; 200 stands for no record yet
    int giudizio = 0;  // grade handed to the results window: 5 best .. 1 worst, 7 show only
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
