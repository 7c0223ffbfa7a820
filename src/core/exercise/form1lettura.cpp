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

} // namespace

std::string Form1::testoDaLeggere() const {
    std::string testo;
    appendSentence(testo, spokenItalian(stage_[Ctl::LbDOMANDA].text));
    std::vector<std::string> scelte;
    for (Ctl scelta : kScelte)
        if (stage_[scelta].visible && !stage_[scelta].text.empty())
            scelte.push_back(spokenItalian(stage_[scelta].text));
    appendSentence(testo, wordList(scelte, " oppure "));
    for (const auto& [box, prompt] : kPrompts)
        if (stage_.focus == box && stage_[box].visible && stage_[prompt].visible)
            appendSentence(testo, spokenItalian(stage_[prompt].text));
    appendSentence(testo, spokenItalian(stage_[Ctl::avviso].text));
    return testo;
}

void Form1::leggi(const std::string& testo) {
    // Also while the voice is still being made: it is said once the voice is ready.
    if (s_.speech && !testo.empty())
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
    // Nothing of speech loads before the window is on screen. The engine is made
    // now on every start, away from the window's thread: the loudspeaker shows
    // once it is known to offer an Italian voice, and is never offered in vain.
    if (s_.speech)
        s_.speech->prepare();
}

void Form1::speechAvailabilityChanged() {
    stage_[Ctl::LEGGI].visible = s_.speech && s_.speech->available();
}

void Form1::classificaCaricata(const std::string& lettura) {
    if (!letturaAutomatica_)
        return;
    std::string testo;
    // The message stays on the exercise window beside the results.
    if (fineDelPassaggio_ && stage_[Ctl::avviso].visible)
        appendSentence(testo, spokenItalian(stage_[Ctl::avviso].text));
    appendSentence(testo, lettura);
    leggi(testo);
}
