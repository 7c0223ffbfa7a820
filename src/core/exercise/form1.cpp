// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the exercise window and the sequencer that puts the questions.
#include "core/exercise/form1.h"

#include "core/exercise/tastierino.h"
#include "core/platform/clock.h"
#include "core/platform/random.h"
#include "core/platform/screen.h"
#include "core/sound/audio.h"
#include "core/sound/cues.h"

#include <cmath>
#include <numeric>

namespace {

constexpr int kCapacity = 50;
constexpr int kSeriesLength = 10;
// At the end of a pass the results window's top is a fourteenth of the height down.
constexpr double kClassificaInBasso = 14;

constexpr const char* kAvvisoStart = "Clicca sul tasto VIA per iniziare.";
constexpr const char* kAvvisoPassEnd = "Bravo!! Hai risposto a tutte le domande.";
constexpr const char* kAvvisoType = "Scrivi il risultato e premi il tasto INVIO. ";
constexpr const char* kAvvisoClickAnswer = "Clicca sulla risposta esatta.";

// The registered controls: those of the design in the alphabetical order of
// their names, then the ones added to it.
constexpr Ctl kRegistered[] = {
    Ctl::avviso,      Ctl::Command1,   Ctl::FINE,        Ctl::Frame1,      Ctl::FrRet1,
    Ctl::FrRet2,      Ctl::FrRet3,     Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3,
    Ctl::gratifica,   Ctl::Inp1,       Ctl::Inp2,        Ctl::Inp3,        Ctl::Inp4,
    Ctl::LbCodice,    Ctl::LbDOMANDA,  Ctl::LbErrori,    Ctl::LbRisposta1, Ctl::LbRisposta2,
    Ctl::LbRisposta3, Ctl::LbRisposte, Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3,
    Ctl::LbSub1,      Ctl::LbSub2,     Ctl::LbSub3,      Ctl::LbSub4,      Ctl::LbTempo,
    Ctl::Text1,       Ctl::VIA,        Ctl::LEGGI,
};

} // namespace

Form1::Form1(Modulo1& modulo, Form1Services services)
    : m_(modulo), s_(services), stage_(stageFromDesign()) {}

void Form1::registraControlli() {
    ridimschermo_.formdaridim = &stage_.window;
    int i = 1;
    for (Ctl id : kRegistered)
        ridimschermo_.controlli[static_cast<std::size_t>(i++)] = &stage_[id].geometry;
    // The keys of the number pad are placed and scaled like every control.
    for (Ctl id : kTastierino)
        ridimschermo_.controlli[static_cast<std::size_t>(i++)] = &stage_[id].geometry;
}

void Form1::Form_Load() {
    ridimschermo_.ncontrolli = kCapacity;
    ridimschermo_.preparatabelle();
    registraControlli();
    ridimschermo_.adattaschermo(s_.screen);
    // Maximized, the window takes the whole screen until the platform tells its
    // real size; the figures are laid out from what the window has.
    setWindowSize(s_.screen.widthTwips(), s_.screen.heightTwips());

    stage_[Ctl::LbTempo].visible = false;
    nascondisegmenti();
    stage_[Ctl::Text1].visible = false;
    m_.nerrori = 0;
    m_.record = kNessunRecord;
    stage_[Ctl::avviso].text = kAvvisoStart;
    speechAvailabilityChanged();
    s_.audio.suona(cues::kPremivia);
    riempiDomande(m_);
}

void Form1::setWindowSize(double widthTwips, double heightTwips) {
    stage_.window.width = static_cast<float>(widthTwips);
    stage_.window.height = static_cast<float>(heightTwips);
}

void Form1::Form_Resize() {
    ridimschermo_.ridimensiona();
    // The pass puts the figure frames back to their design size; the figures on
    // screen are laid out again for the new size, as a fresh question would be.
    if (stage_[Ctl::FrSegmento1].visible || stage_[Ctl::FrRet1].visible)
        dimensionaFigure(tipoDomanda());
}

std::optional<double> Form1::classificaTop() const {
    // The window fills the screen, so its height is the screen's.
    if (fineDelPassaggio_)
        return stage_.window.height / kClassificaInBasso;
    return std::nullopt;
}

void Form1::setPad(PadMode mode, bool touchScreen) {
    pad_ = mode;
    touch_ = touchScreen;
    mostraTastierino();
}

void Form1::touched() {
    touch_ = true;
    mostraTastierino();
}

void Form1::mostraTastierino() {
    const bool visible = tastierinoVisibile(pad_, touch_, stage_.focus.has_value() && !pausing_);
    for (Ctl tasto : kTastierino)
        stage_[tasto].visible = visible;
}

void Form1::setText(Ctl box, std::string text) {
    stage_[box].text = std::move(text);
}

void Form1::Form_Unload() {
    closed_ = true;
    taci();
}

void Form1::VIA_Click() {
    if (pausing_ || closed_)
        return;
    // The question on screen goes: so does its reading.
    taci();

    // Restart the question clock.
    mostraContatore(Ctl::LbTempo, 0);
    m_.tempodomanda = s_.clock.seconds();
    stage_[Ctl::LbTempo].visible = true;

    puliscistage();

    if (m_.nrisposte >= kSeriesLength)
        fineSerie();
    if (closed_)
        return;
    if (m_.nrisposte == 0)
        m_.temposerie = s_.clock.seconds();

    const int fatte = std::accumulate(m_.domandefatte.begin(), m_.domandefatte.end(), 0);
    if (fatte == Modulo1::kQuestions)
        finePassaggio();
    if (closed_)
        return;

    estraiDomanda();
    mostraContatore(Ctl::LbCodice, m_.ndomanda);
    mostraContatore(Ctl::LbErrori, m_.nerrori);
    mostraDomanda();
    alternaSfondoAvviso();
    stage_[Ctl::VIA].visible = false;
    if (letturaAutomatica_)
        leggi(testoDaLeggere());
}

void Form1::puliscistage() {
    // No box waits for an answer until the next question asks for one.
    stage_.focus.reset();
    mostraTastierino();
    nascondisegmenti();
    stage_[Ctl::Text1].visible = false;
    for (Ctl c : {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3, Ctl::LbSub1, Ctl::LbSub2,
                  Ctl::LbSub3, Ctl::LbSub4})
        stage_[c].visible = false;
    for (Ctl c : {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4}) {
        stage_[c].visible = false;
        stage_[c].enabled = true;
        stage_[c].text.clear();
    }
    for (Ctl c : {Ctl::FrRet1, Ctl::FrRet2, Ctl::FrRet3})
        stage_[c].visible = false;
}

void Form1::classificaSerie() {
    auto errori = static_cast<std::int16_t>(m_.nerrori);
    classifica(errori);
}

void Form1::azzeraContatori() {
    m_.nrisposte = 0;
    m_.nerrori = 0;
    mostraContatore(Ctl::LbErrori, 0);
    mostraContatore(Ctl::LbRisposte, 0);
}

void Form1::fineSerie() {
    classificaSerie();
    azzeraContatori();
}

void Form1::finePassaggio() {
    stage_[Ctl::avviso].text = kAvvisoPassEnd;
    stage_[Ctl::VIA].visible = true;
    fineDelPassaggio_ = true;
    if (m_.nrisposte == 0) {
        // The series was closed just now by the same run, so no answer has been
        // judged since: show the tally and the record without grading an empty
        // series (which would earn a dot and an unbeatable record of ~0 s).
        m_.giudizio = Giudizio::SoloClassifica;
        mostraClassifica();
    } else {
        classificaSerie();
    }
    fineDelPassaggio_ = false;
    azzeraContatori();
    m_.domandefatte.fill(0);
    m_.domandefatte[static_cast<std::size_t>(m_.ndomanda)] = 1;
    // The next series is timed from its own start, not from the one just shown.
    m_.temposerie = s_.clock.seconds();
}

void Form1::estraiDomanda() {
    // Redraw until the drawn question has not been put yet in this pass; at
    // least one is free, since the end of a pass clears the flags.
    do {
        s_.random.randomize();
        m_.ndomanda = static_cast<int>(std::floor(s_.random.next() * Modulo1::kQuestions));
    } while (m_.ndomanda < 0 || m_.ndomanda >= Modulo1::kQuestions ||
             m_.domandefatte[static_cast<std::size_t>(m_.ndomanda)] != 0);
    m_.domandefatte[static_cast<std::size_t>(m_.ndomanda)] = 1;
}

void Form1::mostraDomanda() {
    const TipoDomanda kind = tipoDomanda();
    auto column = [this](int c) -> const Cell& { return m_.domande(m_.ndomanda, c); };
    const std::string text = cellText(column(1));
    dimensionaFigure(kind);

    switch (kind) {
    case TipoDomanda::NumeroSuiSegmenti:
        stage_[Ctl::LbDOMANDA].text = text;
        chiediNumero();
        break;
    case TipoDomanda::CliccaSegmento:
        stage_[Ctl::LbDOMANDA].text = text;
        stage_[Ctl::Text1].visible = false;
        stage_[Ctl::Text1].text.clear();
        stage_[Ctl::avviso].text.clear();
        break;
    case TipoDomanda::CliccaMisura:
        stage_[Ctl::LbDOMANDA].text = text;
        stage_[Ctl::LbRisposta1].visible = true;
        stage_[Ctl::LbRisposta1].text = cellText(column(2));
        stage_[Ctl::LbRisposta2].visible = true;
        stage_[Ctl::LbRisposta2].text = cellText(column(3));
        stage_[Ctl::LbRisposta3].visible = true;
        stage_[Ctl::LbRisposta3].text = cellText(column(4));
        stage_[Ctl::avviso].text = kAvvisoClickAnswer;
        break;
    case TipoDomanda::QuattroMisure:
        stage_[Ctl::LbDOMANDA].text = text;
        stage_[Ctl::LbSub1].visible = true;
        stage_[Ctl::Inp1].visible = true;
        chiediFuoco(Ctl::Inp1);
        stage_[Ctl::avviso].text = kAvvisoType;
        break;
    case TipoDomanda::NumeroSulRettangolo:
        stage_[Ctl::LbDOMANDA].text = text;
        chiediNumero();
        break;
    case TipoDomanda::CliccaRettangolo:
        stage_[Ctl::LbDOMANDA].text = text;
        stage_[Ctl::avviso].text.clear();
        break;
    }
}

void Form1::dimensionaFigure(TipoDomanda kind) {
    auto column = [this](int c) -> const Cell& { return m_.domande(m_.ndomanda, c); };
    if (conSegmenti(kind)) {
        dimensionaSeg1(integer(1), integer(8));
        dimensionaSeg2(integer(1), integer(10));
        dimensionaSeg3(integer(1), integer(6));
        stage_[Ctl::LbSegmento1].geometry.width = stage_[Ctl::FrSegmento1].geometry.width + 200;
        stage_[Ctl::LbSegmento2].geometry.width = stage_[Ctl::FrSegmento2].geometry.width + 200;
        stage_[Ctl::LbSegmento3].geometry.width = stage_[Ctl::FrSegmento3].geometry.width + 200;
        mostrasegmenti();
    } else if (kind == TipoDomanda::NumeroSulRettangolo) {
        dimensionaRet(column(2), column(3), column(4));
    } else if (kind == TipoDomanda::CliccaRettangolo) {
        AdimensionaRet(column(2), column(3), column(8));
        dimensionaRet(column(4), column(5), column(8));
        BdimensionaRet(column(6), column(7), column(8));
    }
}

void Form1::chiediNumero() {
    stage_[Ctl::Text1].visible = true;
    stage_[Ctl::Text1].text.clear();
    chiediFuoco(Ctl::Text1);
    stage_[Ctl::avviso].text = kAvvisoType;
}

void Form1::alternaSfondoAvviso() {
    if (m_.sfondoalterno) {
        stage_[Ctl::avviso].back = form1::kAvvisoBack;
        m_.sfondoalterno = false;
    } else {
        stage_[Ctl::avviso].back = form1::kAvvisoOtherBack;
        m_.sfondoalterno = true;
    }
}

TipoDomanda Form1::tipoDomanda() const {
    return static_cast<TipoDomanda>(cellNumber(m_.domande(m_.ndomanda, 0)));
}

int Form1::attesa() const {
    return static_cast<int>(cellNumber(m_.soluzioni(m_.ndomanda, 1)));
}

void Form1::chiediFuoco(Ctl box) {
    stage_.focus = box;
    mostraTastierino();
}

void Form1::mostraContatore(Ctl label, int value) {
    stage_[label].text = std::to_string(value);
}
