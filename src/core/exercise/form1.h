// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/cell.h"
#include "core/exercise/modulo1.h"
#include "core/exercise/stage.h"
#include "core/screen/ridimschermo.h"
#include "core/settings/classroomsettings.h"

#include <cstdint>
#include <optional>
#include <string>

// The key code that the key press handlers take for Enter.
constexpr int kTastoInvio = 13;

class Audio;
class Clock;
class Pause;
class Random;
class Screen;
class Speech;

// What the logic needs of the window that shows it.
class Form1View {
  public:
    virtual ~Form1View() = default;
    // Shows the stage as it is now; called before the logic holds the thread
    // (a feedback pause, a modal results window), so the pupil sees the message.
    virtual void aggiorna() = 0;
    // Opens the results window modally over Form1 and returns when the pupil
    // has closed it. `topTwips` places its top edge; without it the window opens
    // at the top-left corner of the screen.
    virtual void mostraClassifica(std::optional<double> topTwips) = 0;
    // Ends the program.
    virtual void termina() = 0;
};

struct Form1Services {
    Clock& clock;
    Random& random;
    Pause& pause;
    const Screen& screen;
    Audio& audio;
    Form1View& view;
    // The voice that reads aloud; without one the loudspeaker stays hidden.
    Speech* speech = nullptr;
};

// The behaviour of the exercise window: start-up, the sequencer, the answer
// handlers, feedback, counters and the timer. It works on the series state in
// `Modulo1` and on the stage, which the window paints.
class Form1 {
  public:
    Form1(Modulo1& modulo, Form1Services services);

    Stage& stage() { return stage_; }
    const Stage& stage() const { return stage_; }
    Modulo1& modulo() { return m_; }
    Ridimschermo& ridimschermo() { return ridimschermo_; }
    // True while a feedback pause holds the window.
    bool inPausa() const { return pausing_; }
    // Each new question is read aloud as it appears.
    void setLetturaAutomatica(bool on) { letturaAutomatica_ = on; }

    // Events of the window.
    void Form_Load();
    void Form_Resize();
    void VIA_Click();
    void Timer1_Timer();
    void Command1_Click();
    void FINE_Click();
    // The platform closed the window: nothing more is put or judged.
    void Form_Unload();
    // The window has been painted for the first time.
    void Form_Paint();
    // The loudspeaker: reads aloud, from its beginning, what the pupil must
    // read to answer.
    void LEGGI_Click();
    // The voice became ready or proved impossible.
    void speechAvailabilityChanged();
    // The results window has been loaded; `lettura` is what it shows, in the
    // words a voice must say. With automatic reading it is read aloud, after the
    // end-of-pass message when the window opens at the end of a pass.
    void classificaCaricata(const std::string& lettura);
    // Where the results window opening now has its top edge, in twips below
    // the window's top: lower down at the end of a pass, from the window's
    // present height; nothing for the top-left corner.
    std::optional<double> classificaTop() const;
    // What the pupil must read to answer, in the words a voice must say: the
    // question, the choices, the prompt of the waiting box and the hint line.
    std::string testoDaLeggere() const;

    void FrSegmento1_Click();
    void FrSegmento2_Click();
    void FrSegmento3_Click();
    void LbSegmento1_Click();
    void LbSegmento2_Click();
    void LbSegmento3_Click();
    void LbRisposta1_Click();
    void LbRisposta2_Click();
    void LbRisposta3_Click();
    void FrRet1_Click();
    void FrRet2_Click();
    void FrRet3_Click();

    void Text1_KeyPress(int& tasto);
    void Inp1_KeyPress(int& tasto);
    void Inp2_KeyPress(int& tasto);
    void Inp3_KeyPress(int& tasto);
    void Inp4_KeyPress(int& tasto);
    // The key press handler of the text box `box`, for whoever passes keys on.
    void KeyPress(Ctl box, int& tasto);
    // A key of the on-screen number pad: the box that waits takes its key code
    // through its own key press handler, and is edited as the keyboard would.
    void Tastierino_Click(Ctl tasto);

    // When the number pad shows: the classroom's setting, and whether the
    // system has a touch screen.
    void setPad(PadMode mode, bool touchScreen);
    // A finger or pen touched the window: the automatic pad shows from now on.
    void touched();

    // The pupil edited a text box: its text as it now stands.
    void setText(Ctl box, std::string text);
    // The window's size changed to this many twips.
    void setWindowSize(double widthTwips, double heightTwips);

    // Procedures of the window.
    void flashbravo();
    void flashsbagliato();
    void classifica(std::int16_t& errori);
    void mostrasegmenti();
    void nascondisegmenti();
    void dimensionaSeg1(const Cell& orientamento, const Cell& numeroSegmenti);
    void dimensionaSeg2(const Cell& orientamento, const Cell& numeroSegmenti);
    void dimensionaSeg3(const Cell& orientamento, const Cell& numeroSegmenti);
    void dimensionaRet(const Cell& segmentiAltezza, const Cell& segmentiBase,
                       const Cell& pixelFrame);
    void AdimensionaRet(const Cell& segmentiAltezza, const Cell& segmentiBase,
                        const Cell& pixelFrame);
    void BdimensionaRet(const Cell& segmentiAltezza, const Cell& segmentiBase,
                        const Cell& pixelFrame);

  private:
    void registraControlli();
    void puliscistage();
    void classificaSerie();
    void azzeraContatori();
    void fineSerie();
    void finePassaggio();
    void estraiDomanda();
    void mostraDomanda();
    // Lays out the figures of a question of this kind for the window as it is now.
    void dimensionaFigure(TipoDomanda kind);
    void mostraTastierino();
    // Shows Text1, empty, with the focus, for an answer typed as a number.
    void chiediNumero();
    void alternaSfondoAvviso();

    void rispostaCliccata(TipoDomanda tipoRichiesto, int posizione);
    void inpKeyPress(int n, int& tasto);
    TipoDomanda tipoDomanda() const;
    int attesa() const;
    void chiediFuoco(Ctl box);
    void pausa();
    void mostraContatore(Ctl label, int value);
    void dimensionaSeg(int figura, const Cell& orientamento, const Cell& numeroSegmenti);
    void dimensionaFiguraRet(Ctl frame, int figura, const Cell& segmentiAltezza,
                             const Cell& segmentiBase, const Cell& pixelFrame);
    void mostraClassifica();
    void leggi(const std::string& testo);
    void taci();

    Modulo1& m_;
    Form1Services s_;
    Stage stage_;
    Ridimschermo ridimschermo_;
    bool pausing_ = false;
    bool closed_ = false;
    PadMode pad_ = PadMode::Automatic;
    bool touch_ = false; // a touch screen, or a touch seen
    bool letturaAutomatica_ = false;
    bool fineDelPassaggio_ = false; // the results window opens at the end of a pass
};
