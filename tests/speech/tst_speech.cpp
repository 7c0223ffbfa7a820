// SPDX-License-Identifier: GPL-3.0-or-later
// The loudspeaker of the exercise window with a fake voice: what it reads, when the
// reading stops, automatic reading, and the button shown only with a voice; and what
// a screen reader reads of both windows, every control's name through Qt's accessibility.
#include "../forms/windowharness.h"

#include "skin/speech/qtspeech.h"

#include <QAccessible>
#include <QScopeGuard>
#include <QTimer>

// Checks that `window` shows controls of these "object name=accessible name" lines, among
// others; a visible control without a name fails the test, and so does a decoration that
// a screen reader would come across.
static bool named(QWidget* window, const QStringList& expected) {
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < tree->childCount(); ++i)
        if (tree->child(i)->object()->objectName() == "Shape1")
            QTest::qFail("a decoration in the accessibility tree", __FILE__, __LINE__);
    QStringList all{window->objectName() + '=' + tree->text(QAccessible::Name)};
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
        QTRY_VERIFY(h.visible(Ctl::LEGGI));
        QVERIFY(named(&h.window, {"Form1=Frazioni di segmenti",
                                  "avviso=avviso: Clicca sul tasto via per iniziare.",
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
                       "FrSegmento1=primo segmento, otto unità frazionarie",
                       "FrSegmento2=secondo segmento, dieci unità frazionarie",
                       "FrSegmento3=terzo segmento, sei unità frazionarie", "LbRisposte=risposte 1",
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
        QVERIFY(named(
            &one.window,
            {"Text1=risposta",
             "FrRet1=rettangolo, altezza sei unità frazionarie, base tre unità frazionarie"}));
        WindowHarness three(1024, 768, 1, nullptr, nullptr, &speech);
        three.putQuestion(34);
        QVERIFY(named(
            &three.window,
            {"FrRet2=primo rettangolo, altezza sei unità frazionarie, base quattro unità "
             "frazionarie",
             "FrRet1=secondo rettangolo, altezza due unità frazionarie, base una unità frazionaria",
             "FrRet3=terzo rettangolo, altezza una unità frazionaria, base due unità frazionarie",
             "avviso=avviso"}));

        // A series without errors in 45,37 s: the grade, the tally and the new record.
        h.window.modulo().nrisposte = 9;
        h.window.modulo().nerrori = 0;
        h.window.modulo().temposerie = h.clock.seconds() - 44.37;
        bool shown = false;
        ResultsWatcher results([&](QWidget* d) {
            shown = named(d, {"classificaform=Classifica", "RISULTATO=giudizio: ottimo!",
                              "LbOttimo=ottimo, una serie", "LbDistinto=distinto, nessuna serie",
                              "LbOccorre=occorre esercitarsi, nessuna serie",
                              "ShOttimo1=ottimo, serie 1",
                              "LbTrecord=record: quarantacinque virgola tre secondi",
                              "LbNuovoRecord=annuncio del record: Nuovo Record!",
                              "Image1=bersaglio con tre freccette", "Command1=prosegui"});
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
        // The voice is made once the window is painted, and nothing is said unasked.
        QTRY_VERIFY(h.visible(Ctl::LEGGI));
        QVERIFY(std::ranges::none_of(speech.log, [](auto& e) { return e.starts_with("say:"); }));
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
        QString heard; // what was being said as each pause held, the loudspeaker pressed
        h.pause.during = [&] {
            h.click(Ctl::LEGGI);
            heard += QString::fromStdString(speech.speaking) + '|';
        };
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

    // With automatic reading each new question and each new box's prompt is read as it
    // appears, and so is what the results window shows: the grade, a new record, the
    // record time, and at the end of a pass the message beside it.
    void automaticReadingReadsEachQuestionAsItAppearsAndTheResults() {
        FakeSpeech speech;
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &speech, {.autoRead = true});
        QStringList said; // what the voice was saying as each results window showed
        ResultsWatcher results([&](QWidget*) { said << QString::fromStdString(speech.speaking); });
        h.putQuestion(21);
        QCOMPARE(speech.speaking, "La somma del secondo segmento con il terzo è quarantotto "
                                  "centimetri: Quanto misura l'unità frazionaria? Scrivi il "
                                  "risultato e premi il tasto invio.");
        h.type(Ctl::Inp1, "3");
        QCOMPARE(speech.speaking, "Quanto misura il primo segmento?");
        h.type(Ctl::Inp2, "1");
        QCOMPARE(speech.speaking, ""); // a wrong answer reads nothing
        h.window.modulo().nrisposte = 8;
        h.window.modulo().record = 45.3;
        h.type(Ctl::Inp2, "24");
        h.type(Ctl::Inp3, "30");
        h.type(Ctl::Inp4, "18"); // the series ends with one error
        QCOMPARE(speech.speaking, h.window.logic().testoDaLeggere());
        QVERIFY(h.text(Ctl::LbCodice) != "21" && !speech.speaking.empty());
        // CLASSIFICA grades nothing: the record time alone.
        h.click(Ctl::Command1);
        // The last question of the pass, answered right in 30 s and a second of feedback.
        h.putQuestion(0);
        h.window.modulo().domandefatte.fill(1);
        h.window.modulo().temposerie = h.clock.seconds() - 30;
        h.type(Ctl::Text1, "8");
        QCOMPARE(said, QStringList({"distinto! Record: quarantacinque virgola tre secondi.",
                                    "Record: quarantacinque virgola tre secondi.",
                                    "Bravo! Hai risposto a tutte le domande. ottimo! Nuovo "
                                    "Record! Record: trentuno secondi."}));
    }

    // The loudspeaker shows only once the voice is made with an Italian voice, never
    // before: it does not go at the first press.
    void theSpeakerShowsOnlyOnceAnItalianVoiceIsThere() {
        WindowHarness none;
        QVERIFY(!none.window.control(Ctl::LEGGI)->isVisibleTo(&none.window));
        FakeSpeech noItalian(false);
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &noItalian);
        QTRY_COMPARE(noItalian.log, std::vector<std::string>{"prepare"});
        h.putQuestion(0);
        QVERIFY(!h.visible(Ctl::LEGGI));
        // The real service: no module, a file that is no speech module, an engine that
        // fails after a second.
        QtSpeech missing(QStringLiteral("/nonexistent/frazioni_speech.so"));
        QtSpeech broken(QCoreApplication::applicationFilePath());
        QtSpeech failing(QStringLiteral(TEST_VOICE_MODULE));
        WindowHarness noModule(1024, 768, 1, nullptr, nullptr, &missing);
        WindowHarness noEngine(1024, 768, 1, nullptr, nullptr, &broken);
        WindowHarness noVoice(1024, 768, 1, nullptr, nullptr, &failing);
        for (int ms = 0; ms < 1500; ms += 100) {
            QTest::qWait(100);
            QVERIFY(!noModule.visible(Ctl::LEGGI) && !noEngine.visible(Ctl::LEGGI) &&
                    !noVoice.visible(Ctl::LEGGI));
        }
    }

    // The real voice on an engine that notes what it is asked: it is made after the first
    // paint at the classroom's pace, the loudspeaker then shows and stays, and the
    // feedback stops the reading.
    void theRealVoicePassesTheReadingsOnAndStopsThem_data() {
        QTest::addColumn<ReadingPace>("pace");
        QTest::addColumn<QString>("rate");
        QTest::newRow("slow") << ReadingPace::Slow << "rate:-0.5";
        QTest::newRow("normal") << ReadingPace::Normal << "rate:0";
    }
    void theRealVoicePassesTheReadingsOnAndStopsThem() {
        QFETCH(ReadingPace, pace);
        QFETCH(QString, rate);
        qputenv("FRAZIONI_TEST_VOICE", "log");
        const auto unset = qScopeGuard([] { qunsetenv("FRAZIONI_TEST_VOICE"); });
        QtSpeech voice(QStringLiteral(TEST_VOICE_MODULE), QtSpeech::kOpenTimeoutMs, pace);
        WindowHarness h(1024, 768, 1, nullptr, nullptr, &voice);
        h.putQuestion(6);
        QTRY_VERIFY(h.visible(Ctl::LEGGI));
        h.click(Ctl::LEGGI);
        QVERIFY(h.visible(Ctl::LEGGI));
        const auto log = [] { return qApp->property("voiceLog").toStringList().join('|'); };
        QTRY_VERIFY(log().endsWith(rate + "|say:Clicca sul segmento che è dieci ottavi del "
                                          "primo segmento."));
        h.click(Ctl::FrSegmento1);
        QTRY_VERIFY(log().endsWith("|stop"));
    }

    // A speech server that hangs: the question goes on and is not read, the
    // loudspeaker never shows, and FINE does not wait for the server.
    void aHungSpeechServerHoldsNothingUp() {
        auto hung = std::make_unique<QtSpeech>(QStringLiteral(TEST_VOICE_MODULE), 200);
        auto h = std::make_unique<WindowHarness>(1024, 768, 1, nullptr, nullptr, hung.get(),
                                                 ClassroomSettings{.autoRead = true});
        h->putQuestion(0);
        h->type(Ctl::Text1, "8");
        QVERIFY(h->text(Ctl::LbCodice) != "0");
        QTest::qWait(400);
        QVERIFY(!h->visible(Ctl::LEGGI));
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
