// SPDX-License-Identifier: GPL-3.0-or-later
// Feedback on each answer, the counters, the question timer, the results
// window and the end of the program.
#include "core/exercise/form1.h"

#include "core/platform/clock.h"
#include "core/platform/pause.h"
#include "core/sound/audio.h"
#include "core/sound/cues.h"

#include <cmath>

namespace {

constexpr const char* kBravo = "BENE!!";
constexpr const char* kSbagliato = "NO RIPROVA";
constexpr double kPauseSeconds = 1.0;

} // namespace

void Form1::pausa() {
    // No box takes keys meanwhile: the pad goes, and the message shows in its place.
    pausing_ = true;
    mostraTastierino();
    // Let the pupil see the message (and the orange window) before the thread is held.
    s_.view.aggiorna();
    s_.pause.wait(kPauseSeconds);
    pausing_ = false;
    mostraTastierino();
}

void Form1::flashsbagliato() {
    // The message and its cue are not talked over.
    taci();
    stage_[Ctl::gratifica].text = kSbagliato;
    s_.audio.suona(cues::kSbagliato1);
    stage_.back = form1::kWrongBack;
    stage_.enabled = false;
    pausa();
    stage_[Ctl::gratifica].text.clear();
    stage_.enabled = true;
    stage_.back = form1::kBack;
    mostraContatore(Ctl::LbRisposte, ++m_.nrisposte);
    mostraContatore(Ctl::LbErrori, ++m_.nerrori);
}

void Form1::flashbravo() {
    taci();
    stage_[Ctl::gratifica].text = kBravo;
    s_.audio.suonaesatto(cues::kEsatto[0]);
    stage_.enabled = false;
    pausa();
    stage_[Ctl::gratifica].text.clear();
    stage_.enabled = true;
    mostraContatore(Ctl::LbRisposte, ++m_.nrisposte);
}

void Form1::Timer1_Timer() {
    // The time display is not refreshed while a pause holds the window.
    if (pausing_)
        return;
    const double elapsed = s_.clock.seconds() - m_.tempodomanda;
    mostraContatore(Ctl::LbTempo, static_cast<int>(std::floor(std::max(0.0, elapsed))));
}

void Form1::classifica(std::int16_t& errori) {
    m_.giudizio = giudizioPerErrori(errori);
    mostraClassifica();
}

void Form1::Command1_Click() {
    if (pausing_ || closed_)
        return;
    m_.giudizio = Giudizio::SoloClassifica;
    mostraClassifica();
}

void Form1::mostraClassifica() {
    taci();
    s_.view.aggiorna();
    s_.view.mostraClassifica(classificaTop());
    // The grade read as the window opened ends with it.
    taci();
}

void Form1::FINE_Click() {
    taci();
    closed_ = true;
    s_.view.termina();
}
