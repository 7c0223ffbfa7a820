// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"
#include "core/exercise/giudizio.h"
#include "core/forms/classificadesign.h"

#include <array>
#include <optional>
#include <string>

struct Modulo1;

// Each tally row holds this many dots at most.
constexpr int kMaxPallini = classifica::kCircles;
// One tally row per grade a series can earn, ottimo at the top.
constexpr std::size_t kRighe = kGiudizi.size();

// How one grade is shown: its word, its colour (also that of its row of dots
// and of the row's title) and how fast its word blinks.
struct AspettoGrado {
    Giudizio giudizio;
    const char* parola;
    Rgb colore;
    int intervalloMs;
};

// The grades in the order of the rows on screen, ottimo at the top.
const std::array<AspettoGrado, kRighe>& aspettiGradi();
// The row of a grade a series can earn, or nothing for any other code.
std::optional<int> rigaDelGiudizio(Giudizio giudizio);

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
// With any code that is no grade of a series it grades, counts and times nothing.
ClassificaView caricaClassifica(Modulo1& m, double now);

// The record that a series of `seconds` sets against `record`, or nothing when it
// sets none: only a real length (finite, above zero) strictly shorter than the
// record, cut down to whole tenths of a second.
std::optional<double> nuovoRecordDa(double seconds, double record);

// "45,3  secondi": the record as its shortest decimal text, with a decimal comma.
std::string testoRecord(double record);

// What the results window shows, as a voice must say it: the grade, the new
// record's announcement and the record time, each shown only when there is one.
std::string letturaClassifica(const ClassificaView& view);
