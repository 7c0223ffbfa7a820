// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud: what the pupil must read to answer, in the words a voice must
// say, and the moments the voice speaks. Where it must stop (a new question,
// the feedback, the results window, FINE) the handlers of the other files say.
#include "core/exercise/form1.h"

#include "core/common/spokentext.h"
#include "core/common/wordlist.h"
#include "core/platform/speech.h"

#include <vector>

namespace {

// The box of each step of the four-step question and the prompt it answers.
constexpr std::pair<Ctl, Ctl> kPrompts[] = {
    {Ctl::Inp1, Ctl::LbSub1},
    {Ctl::Inp2, Ctl::LbSub2},
    {Ctl::Inp3, Ctl::LbSub3},
    {Ctl::Inp4, Ctl::LbSub4},
};
constexpr Ctl kScelte[] = {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3};

bool chiusa(const std::string& frase) {
    const char last = frase.back();
    return last == '.' || last == '?' || last == '!' || last == ':';
}

// Adds a sentence, closed by a full stop unless it ends with a mark of its own,
// so that the voice pauses between the parts.
void aggiungiFrase(std::string& testo, const std::string& frase) {
    if (frase.empty())
        return;
    if (!testo.empty())
        testo += ' ';
    testo += frase;
    if (!chiusa(testo))
        testo += '.';
}

} // namespace

std::string Form1::testoDaLeggere() const {
    std::string testo;
    aggiungiFrase(testo, spokenItalian(stage_[Ctl::LbDOMANDA].text));
    std::vector<std::string> scelte;
    for (Ctl scelta : kScelte)
        if (stage_[scelta].visible && !stage_[scelta].text.empty())
            scelte.push_back(spokenItalian(stage_[scelta].text));
    aggiungiFrase(testo, wordList(scelte, " oppure "));
    for (const auto& [box, prompt] : kPrompts)
        if (stage_.focus == box && stage_[box].visible && stage_[prompt].visible)
            aggiungiFrase(testo, spokenItalian(stage_[prompt].text));
    aggiungiFrase(testo, spokenItalian(stage_[Ctl::avviso].text));
    return testo;
}

void Form1::leggi(const std::string& testo) {
    if (s_.speech && s_.speech->available() && !testo.empty())
        s_.speech->say(testo);
}

void Form1::taci() {
    if (s_.speech)
        s_.speech->stop();
}

void Form1::LEGGI_Click() {
    if (pausing_ || closed_)
        return;
    // A second press while it speaks starts the reading again from its beginning.
    leggi(testoDaLeggere());
}

void Form1::Form_Paint() {
    // Nothing of speech loads before the window is on screen; with automatic
    // reading the engine is made now, so that it is ready for the first question.
    if (letturaAutomatica_ && s_.speech)
        s_.speech->prepare();
}

void Form1::speechAvailabilityChanged() {
    stage_[Ctl::LEGGI].visible = s_.speech && s_.speech->available();
}

void Form1::classificaCaricata(const std::string& risultato, const std::string& nuovoRecord) {
    if (!letturaAutomatica_)
        return;
    std::string testo;
    aggiungiFrase(testo, spokenItalian(risultato));
    if (!testo.empty())
        aggiungiFrase(testo, spokenItalian(nuovoRecord));
    leggi(testo);
}
