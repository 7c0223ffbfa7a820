// SPDX-License-Identifier: GPL-3.0-or-later
// The loudspeaker of the exercise window with a fake voice: what it reads, when the
// reading stops, automatic reading, and the button hidden when there is no voice; and what
// a screen reader reads of both windows, every control's name through Qt's accessibility.
#include "../forms/windowharness.h"

#include "skin/speech/qtspeech.h"

#include <QAccessible>
#include <QTimer>

// Checks that `window` shows controls of these "object name=accessible name" lines, among
// others; a visible control without a name fails the test.
static bool named(QWidget* window, const QStringList& expected) {
    QStringList all;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        all << w->objectName() + '=' + (a ? a->text(QAccessible::Name) : QString());
        if (all.last().endsWith('='))
            QTest::qFail(qPrintable(w->objectName() + " has no accessible name"), __FILE__,
                         __LINE__);
    }
    for (const QString& line : expected)
        if (!all.contains(line)) {
            qWarning().noquote() << "missing" << line << "among\n" << all.join('\n');
            return false;
        }
    return true;
}

// Presses PROSEGUI on every results window once `read` has read it.
struct ResultsWatcher {
    explicit ResultsWatcher(std::function<void(QWidget*)> read) {
        QObject::connect(&timer, &QTimer::timeout, [read = std::move(read)] {
            if (QWidget* d = openResults()) {
                read(d);
                QTest::mouseClick(d->findChild<QWidget*>("Command1"), Qt::LeftButton);
            }
        });
        timer.start(2);
    }
    QTimer timer;
};

class TestSpeech : public QObject {
    Q_OBJECT
  private slots:
    void everyControlIsNamedForWhatItIsAndWhatItShowsNow() {
        FakeSpeech speech;
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &speech);
        QVERIFY(named(&h.window, {"avviso=avviso: Clicca sul tasto via per iniziare.",
                                  "LbDOMANDA=domanda", "LbRisposte=risposte 0", "LbErrori=errori 0",
                                  "LbCodice=codice della domanda", "VIA=via", "FINE=fine",
                                  "Command1=classifica", "LEGGI=leggi ad alta voce"}));

        h.putQuestion(17);
        h.clock.advance(10);
        h.window.logic().Timer1_Timer();
        h.window.showStage();
        QVERIFY(named(&h.window, {"LbTempo=secondi 10"}));
        h.pause.during = [&] { QVERIFY(named(&h.window, {"gratifica=messaggio: no riprova"})); };
        h.click(Ctl::LbRisposta1);
        h.pause.during = {};
        QVERIFY(named(&h.window,
                      {"LbDOMANDA=domanda: Se il secondo segmento misura quarantotto centimetri, "
                       "quanto misura l'unità frazionaria?",
                       "LbRisposta1=prima risposta: otto centimetri",
                       "LbRisposta2=seconda risposta: quattro virgola otto centimetri",
                       "LbRisposta3=terza risposta: sei centimetri", "LbSegmento1=primo segmento",
                       "FrSegmento1=primo segmento, 8 unità frazionarie",
                       "FrSegmento2=secondo segmento, 10 unità frazionarie",
                       "FrSegmento3=terzo segmento, 6 unità frazionarie", "LbRisposte=risposte 1",
                       "LbErrori=errori 1", "LbCodice=codice della domanda 17",
                       "gratifica=messaggio", "avviso=avviso: Clicca sulla risposta esatta."}));

        WindowHarness four(1024, 768, 1, nullptr, nullptr, &speech);
        four.putQuestion(19);
        four.type(Ctl::Inp1, "2");
        QVERIFY(named(&four.window, {"Inp1=Quanto misura l'unità frazionaria?",
                                     "Inp2=Quanto misura il primo segmento?",
                                     "LbSub2=Quanto misura il primo segmento?"}));

        WindowHarness one(1024, 768, 1, nullptr, nullptr, &speech);
        one.putQuestion(28);
        QVERIFY(
            named(&one.window,
                  {"Text1=risposta",
                   "FrRet1=rettangolo, altezza 6 unità frazionarie, base 3 unità frazionarie"}));
        WindowHarness three(1024, 768, 1, nullptr, nullptr, &speech);
        three.putQuestion(34);
        QVERIFY(named(
            &three.window,
            {"FrRet2=primo rettangolo, altezza 6 unità frazionarie, base 4 unità frazionarie",
             "FrRet1=secondo rettangolo, altezza 2 unità frazionarie, base 1 unità frazionaria",
             "FrRet3=terzo rettangolo, altezza 1 unità frazionaria, base 2 unità frazionarie",
             "avviso=avviso"}));

        // A series without errors in 45,37 s: the grade, the tally and the new record.
        h.window.modulo().nrisposte = 9;
        h.window.modulo().nerrori = 0;
        h.window.modulo().temposerie = h.clock.seconds() - 44.37;
        bool shown = false;
        ResultsWatcher results([&](QWidget* d) {
            shown = named(
                d, {"RISULTATO=giudizio: ottimo!", "LbOttimo=ottimo, 1 serie",
                    "LbDistinto=distinto, nessuna serie",
                    "LbOccorre=occorre esercitarsi, nessuna serie", "ShOttimo1=ottimo, serie 1",
                    "LbTrecord=record: quarantacinque virgola tre secondi",
                    "LbNuovoRecord=annuncio del record: Nuovo Record!",
                    "Image1=bersaglio con tre freccette", "Shape1=cornice", "Command1=prosegui"});
        });
        h.click(Ctl::LbRisposta2);
        QVERIFY(shown);
    }
    void theSpeakerReadsWhatThePupilMustReadInSpokenItalian_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("said");
        const std::pair<int, const char*> rows[] = {
            {-1, "Clicca sul tasto via per iniziare."}, // before VIA
            {0, "Quante unità frazionarie ci sono nel primo segmento? Scrivi il risultato e premi "
                "il tasto invio."},
            {6, "Clicca sul segmento che è dieci ottavi del primo segmento."},
            {17, "Se il secondo segmento misura quarantotto centimetri, quanto misura l'unità "
                 "frazionaria? otto centimetri, quattro virgola otto centimetri oppure sei "
                 "centimetri. Clicca sulla risposta esatta."},
            {19, "La somma del primo segmento con il secondo è trentasei centimetri: Quanto misura "
                 "il primo segmento? Scrivi il risultato e premi il tasto invio."}, // second box
            {31, "Clicca sul rettangolo che ha l'altezza uguale a cinque terzi della base."}};
        for (const auto& [row, said] : rows)
            QTest::addRow("question %d", row) << row << QString(said);
    }
    void theSpeakerReadsWhatThePupilMustReadInSpokenItalian() {
        QFETCH(int, row);
        QFETCH(QString, said);
        FakeSpeech speech;
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &speech);
        if (row >= 0)
            h.putQuestion(row);
        if (row == 19)
            h.type(Ctl::Inp1, "2");
        // Nothing of speech is touched before the pupil asks for it.
        QVERIFY(speech.log.empty() ||
                speech.log == std::vector<std::string>(speech.log.size(), "stop"));
        QVERIFY(h.visible(Ctl::LEGGI));
        h.click(Ctl::LEGGI);
        QCOMPARE(QString::fromStdString(speech.speaking), said);
        // A second press reads it all again from the beginning.
        h.click(Ctl::LEGGI);
        QCOMPARE(speech.log.back(), speech.log[speech.log.size() - 2]);
    }

    // The cue and "BENE!!" or "NO RIPROVA" are not talked over; a new question, the
    // results window and FINE end the reading too.
    void readingStopsAtTheFeedbackTheNextQuestionTheResultsAndFine() {
        FakeSpeech speech;
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &speech);
        QStringList said; // what the voice was saying as each results window showed
        ResultsWatcher results([&](QWidget*) { said << QString::fromStdString(speech.speaking); });
        h.putQuestion(0);
        QString heard; // what was being said as each pause held
        h.pause.during = [&] { heard += QString::fromStdString(speech.speaking) + '|'; };
        for (const char* entry : {"3", "8"}) {
            h.click(Ctl::LEGGI);
            h.type(Ctl::Text1, entry);
        }
        QCOMPARE(heard + QString::fromStdString(speech.speaking), "||");
        QVERIFY(h.text(Ctl::LbCodice) != "0");
        h.window.modulo().nrisposte = 9;
        h.click(Ctl::LEGGI);
        h.click(Ctl::Command1);
        QCOMPARE(said, QStringList{""});
        h.click(Ctl::LEGGI);
        QVERIFY(!speech.speaking.empty());
        h.click(Ctl::FINE);
        QCOMPARE(speech.speaking + std::to_string(h.terminations), "1");
    }

    // With automatic reading the engine is made once the window is on screen, each new
    // question and each new box's prompt is read as it appears, and so is the grade.
    void automaticReadingReadsEachQuestionAsItAppearsAndTheGrade() {
        FakeSpeech speech;
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &speech, {.autoRead = true});
        QStringList said; // what the voice was saying as each results window showed
        ResultsWatcher results([&](QWidget*) { said << QString::fromStdString(speech.speaking); });
        QVERIFY(speech.log.empty());
        QTRY_COMPARE(speech.log, std::vector<std::string>{"prepare"});
        h.putQuestion(21);
        QCOMPARE(speech.speaking, "La somma del secondo segmento con il terzo è quarantotto "
                                  "centimetri: Quanto misura l'unità frazionaria? Scrivi il "
                                  "risultato e premi il tasto invio.");
        h.type(Ctl::Inp1, "3");
        QCOMPARE(speech.speaking, "Quanto misura il primo segmento?");
        h.type(Ctl::Inp2, "1");
        QCOMPARE(speech.speaking, ""); // a wrong answer reads nothing
        h.window.modulo().nrisposte = 8;
        h.type(Ctl::Inp2, "24");
        h.type(Ctl::Inp3, "30");
        h.type(Ctl::Inp4, "18"); // the series ends with one error
        QCOMPARE(said, QStringList{"distinto!"});
        QCOMPARE(speech.speaking, h.window.logic().testoDaLeggere());
        QVERIFY(h.text(Ctl::LbCodice) != "21" && !speech.speaking.empty());
        // CLASSIFICA grades nothing: no word to read.
        const std::size_t before = speech.log.size();
        h.click(Ctl::Command1);
        QVERIFY(std::ranges::none_of(speech.log.begin() + long(before), speech.log.end(),
                                     [](const std::string& e) { return e.starts_with("say:"); }));
    }

    void withoutAVoiceTheSpeakerIsHiddenAndNothingWaits() {
        WindowHarness none;
        QVERIFY(!none.window.control(Ctl::LEGGI)->isVisibleTo(&none.window));
        // The voice proves impossible once asked for (no Italian voice, an engine error).
        FakeSpeech fake;
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &fake);
        h.putQuestion(0);
        fake.setAvailable(false);
        QVERIFY(!h.visible(Ctl::LEGGI));
        // The real service: no module at all, then a file that is no speech module.
        QtSpeech missing(QStringLiteral("/nonexistent/frazioni_speech.so"));
        WindowHarness noModule(1024, 768, 1, nullptr, nullptr, &missing);
        QVERIFY(!noModule.visible(Ctl::LEGGI));
        QtSpeech broken(QCoreApplication::applicationFilePath());
        WindowHarness noEngine(1024, 768, 1, nullptr, nullptr, &broken);
        noEngine.click(Ctl::LEGGI);
        QTRY_VERIFY(!noEngine.visible(Ctl::LEGGI));
    }

    // The real voice on an engine that notes what it is asked: a reading asked for
    // while the engine opens is said once it is ready; the feedback stops it.
    void theRealVoicePassesTheReadingsOnAndStopsThem() {
        qputenv("FRAZIONI_TEST_VOICE", "log");
        QtSpeech voice(QStringLiteral(TEST_VOICE_MODULE));
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &voice);
        h.putQuestion(6);
        h.click(Ctl::LEGGI);
        const auto log = [] { return qApp->property("voiceLog").toStringList().join('|'); };
        QTRY_COMPARE(log(), "say:Clicca sul segmento che è dieci ottavi del primo segmento.");
        h.click(Ctl::FrSegmento1);
        QTRY_VERIFY(log().endsWith("|stop"));
        qunsetenv("FRAZIONI_TEST_VOICE");
    }

    // A speech server that hangs: the question goes on, the loudspeaker goes once
    // the wait is over, and FINE does not wait for the server.
    void aHungSpeechServerHoldsNothingUp() {
        auto hung = std::make_unique<QtSpeech>(QStringLiteral(TEST_VOICE_MODULE), 200);
        auto h = std::make_unique<WindowHarness>(1024, 768, 1, nullptr, nullptr, hung.get());
        h->putQuestion(0);
        h->click(Ctl::LEGGI);
        h->type(Ctl::Text1, "8");
        QVERIFY(h->text(Ctl::LbCodice) != "0" && h->visible(Ctl::LEGGI));
        QTRY_VERIFY_WITH_TIMEOUT(!h->visible(Ctl::LEGGI), 900);
        h->click(Ctl::FINE);
        QCOMPARE(h->terminations, 1);
        // The program ends as main() does, the window first, while the engine still hangs.
        h.reset();
        hung.reset();
        QTest::qWait(1000); // until it lets go, and its thread is deleted
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
