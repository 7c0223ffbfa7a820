// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// The grade code that the exercise window hands to the results window.
enum class Giudizio {
    Nessuno = 0,        // nothing handed over yet
    Occorre = 1,        // "esercitati!"
    Sufficiente = 2,    // "sufficiente"
    Buono = 3,          // "buono!"
    Distinto = 4,       // "distinto!! "
    Ottimo = 5,         // "ottimo!!!"
    SoloClassifica = 7, // show the tally and the record, grade nothing
};

// The grades a series can earn, best first: a series with n wrong answers
// earns entry n, and one with more than that the last entry.
inline constexpr std::array<Giudizio, 5> kGiudizi = {Giudizio::Ottimo, Giudizio::Distinto,
                                                     Giudizio::Buono, Giudizio::Sufficiente,
                                                     Giudizio::Occorre};

// The grade of a series with `errori` wrong answers.
constexpr Giudizio giudizioPerErrori(int errori) {
    const int peggiore = static_cast<int>(kGiudizi.size()) - 1;
    return kGiudizi[static_cast<std::size_t>(std::clamp(errori, 0, peggiore))];
}

// The record time before any series without errors has set one, in seconds.
inline constexpr double kNessunRecord = 200;
