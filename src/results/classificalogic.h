#pragma once

#include "forms/rgb.h"

#include <array>
#include <optional>
#include <string>

struct Modulo1;

// The five grades a series can earn, best first; the value is `giudizio`.
enum class Grado { Ottimo = 5, Distinto = 4, Buono = 3, Sufficiente = 2, Occorre = 1 };

// The grade code that asks the results window to show the tally and the record only.
constexpr int kGiudizioSoloClassifica = 7;
// The record before any series without errors has set one.
constexpr double kNessunRecord = 200;
// Each tally row holds this many dots at most.
constexpr int kMaxPallini = 10;
constexpr int kRighe = 5;

// The colour of each grade: its word's background, its row of dots and the row's title.
namespace colore {
constexpr Rgb kOttimo{255, 255, 0};        // yellow
constexpr Rgb kDistinto{0, 192, 0};        // green
constexpr Rgb kBuono{128, 255, 128};       // light green
constexpr Rgb kSufficiente{192, 255, 255}; // light cyan
constexpr Rgb kOccorre{255, 128, 128};     // salmon
} // namespace colore

// How one grade is shown: its word, its colour (also that of its row of dots
// and of the row's title) and how fast its word blinks.
struct AspettoGrado {
    Grado grado;
    const char* parola;
    Rgb colore;
    int intervalloMs;
};

// The grades in the order of the rows on screen, ottimo at the top.
const std::array<AspettoGrado, kRighe>& aspettiGradi();
// The row of a grade code 1..5, or nothing for any other code.
std::optional<int> rigaDelGiudizio(int giudizio);

// What the results window shows after its load handler has graded, tallied
// and timed the series: plain data that the window only paints.
struct ClassificaView {
    std::string risultato;            // grade word, "" when nothing is graded
    std::optional<Rgb> risultatoBack; // nothing: the window's grey, as designed
    int blinkIntervalMs = 1000;       // the timer's designed interval
    std::array<int, kRighe> dots{};   // visible dots per row, ottimo first
    std::string nuovoRecord;          // "Nuovo Record!" or ""
    bool imageVisible = false;
    bool trecordVisible = true;
    std::string trecord; // e.g. "45,3  secondi"
};

// The load handler of the results window: grades the series by `m.giudizio`,
// adds it to the tally, times it from `m.temposerie` to `now` and keeps the record.
// With any code other than 1..5 it grades, counts and times nothing.
ClassificaView caricaClassifica(Modulo1& m, double now);

// The record that a series of `seconds` sets against `record`, or nothing when it
// sets none: only a real length (finite, above zero) strictly shorter than the
// record, cut down to whole tenths of a second.
std::optional<double> nuovoRecordDa(double seconds, double record);

// "45,3  secondi": the record as its shortest decimal text, with a decimal comma.
std::string testoRecord(double record);
