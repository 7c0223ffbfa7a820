#pragma once

#include <array>
#include <cstdint>
#include <string>

struct Modulo1;

// What the results window shows after its load handler has graded, tallied
// and timed the series: plain data that the window only paints.
struct ClassificaView {
    std::string risultato;            // grade word, "" when nothing is graded
    std::uint32_t risultatoBack = 0;  // 0x00BBGGRR
    int blinkIntervalMs = 1000;
    std::array<int, 5> dots{};        // visible dots per row: ottimo, distinto, buono, sufficiente, occorre
    std::string nuovoRecord;          // "Nuovo Record!" or ""
    bool imageVisible = false;
    bool trecordVisible = true;
    std::string trecord;              // e.g. "45,3  secondi"
};

// The load handler of the results window: grades the series by `m.giudizio`,
// adds it to the tally, times it from `m.temposerie` to `now` and keeps the record.
ClassificaView caricaClassifica(Modulo1& m, double now);
