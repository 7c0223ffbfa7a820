// SPDX-License-Identifier: GPL-3.0-or-later
// The load handler of the results window: the grade of the series, the tally
// of grades and the record time.
#include "core/results/classificalogic.h"

#include "core/common/numbertext.h"
#include "core/common/spokentext.h"
#include "core/exercise/modulo1.h"

#include <algorithm>
#include <cmath>

namespace {

// clang-format off
constexpr std::array<AspettoGrado, kRighe> kGradi = {{
    {Giudizio::Ottimo,      "ottimo!!!",   classifica::kOttimo,      200},
    {Giudizio::Distinto,    "distinto!! ", classifica::kDistinto,    400},
    {Giudizio::Buono,       "buono!",      classifica::kBuono,       600},
    {Giudizio::Sufficiente, "sufficiente", classifica::kSufficiente, 800},
    {Giudizio::Occorre,     "esercitati!", classifica::kOccorre,     1000},
}};
// clang-format on

// Row r of the table shows the grade of row r of the tally.
constexpr bool inOrdineDeiGiudizi() {
    for (std::size_t r = 0; r < kRighe; ++r)
        if (kGradi[r].giudizio != kGiudizi[r])
            return false;
    return true;
}
static_assert(inOrdineDeiGiudizi());

constexpr const char* kNuovoRecord = "Nuovo Record!";
constexpr const char* kSecondi = "  secondi";

// Series times are compared and cut to tenths in whole microseconds, far finer
// than the clock matters here, so that a series of exactly 45.3 s (read as the
// difference of two clock values, 45.29999... in binary) is 45.3 s and neither
// loses a tenth nor beats a record of 45.3 s.
constexpr double kMicroPerSecond = 1e6;
constexpr long long kMicroPerTenth = 100000;
constexpr double kTenthsPerSecond = 10;

long long inMicroseconds(double seconds) {
    return std::llround(seconds * kMicroPerSecond);
}

// The tally counter of each row, ottimo first.
std::array<int*, kRighe> contatori(Modulo1& m) {
    return {&m.nottimo, &m.ndistinto, &m.nbuono, &m.nsufficiente, &m.noccorre};
}

} // namespace

const std::array<AspettoGrado, kRighe>& aspettiGradi() {
    return kGradi;
}

std::optional<int> rigaDelGiudizio(Giudizio giudizio) {
    for (std::size_t i = 0; i < kGradi.size(); ++i)
        if (kGradi[i].giudizio == giudizio)
            return static_cast<int>(i);
    return std::nullopt;
}

std::optional<double> nuovoRecordDa(double seconds, double record) {
    // A reading that went wrong (not a number, negative, or so long that it
    // cannot be shorter than any record) never makes a record.
    if (!std::isfinite(seconds) || !std::isfinite(record) || seconds <= 0 ||
        !(seconds < record + 1))
        return std::nullopt;
    const long long micro = inMicroseconds(seconds);
    if (micro >= inMicroseconds(record))
        return std::nullopt;
    const long long tenths = micro / kMicroPerTenth;
    // Under a tenth of a second is no real series: every judged answer holds the
    // window for a second. A record of 0 could never be beaten.
    if (tenths <= 0)
        return std::nullopt;
    return static_cast<double>(tenths) / kTenthsPerSecond;
}

std::string testoRecord(double record) {
    return shortestDecimal(record) + kSecondi;
}

ClassificaView caricaClassifica(Modulo1& m, double now) {
    ClassificaView v;
    const auto riga = rigaDelGiudizio(m.giudizio);
    auto counters = contatori(m);

    if (riga) {
        const AspettoGrado& g = kGradi[static_cast<std::size_t>(*riga)];
        v.blinkIntervalMs = g.intervalloMs;
        v.risultato = g.parola;
        v.risultatoBack = g.colore;
        int& n = *counters[static_cast<std::size_t>(*riga)];
        n = std::min(n + 1, kMaxPallini);
    }
    for (std::size_t i = 0; i < counters.size(); ++i)
        v.dots[i] = std::clamp(*counters[i], 0, kMaxPallini);

    if (m.giudizio == Giudizio::Ottimo) {
        v.trecordVisible = true;
        if (const auto record = nuovoRecordDa(now - m.temposerie, m.record)) {
            v.imageVisible = true;
            v.nuovoRecord = kNuovoRecord;
            m.record = *record;
        }
    }
    v.trecord = testoRecord(m.record);
    if (m.record == kNessunRecord)
        v.trecordVisible = false;
    return v;
}

std::string letturaClassifica(const ClassificaView& view) {
    std::string testo;
    appendSentence(testo, spokenItalian(view.risultato));
    appendSentence(testo, spokenItalian(view.nuovoRecord));
    if (view.trecordVisible)
        appendSentence(testo, "Record: " + spokenItalian(view.trecord));
    return testo;
}
