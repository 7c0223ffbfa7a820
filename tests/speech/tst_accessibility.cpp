// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of both windows: every control's accessible name, read
// through Qt's accessibility, in each state of the exercise window and the results window.
#include "../forms/windowharness.h"

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

class TestAccessibility : public QObject {
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
        QTimer::singleShot(20, [&] {
            QWidget* d = QApplication::activeModalWidget();
            shown = named(
                d, {"RISULTATO=giudizio: ottimo!", "LbOttimo=ottimo, 1 serie",
                    "LbDistinto=distinto, nessuna serie",
                    "LbOccorre=occorre esercitarsi, nessuna serie", "ShOttimo1=ottimo, serie 1",
                    "LbTrecord=record: quarantacinque virgola tre secondi",
                    "LbNuovoRecord=annuncio del record: Nuovo Record!",
                    "Image1=bersaglio con tre freccette", "Shape1=cornice", "Command1=prosegui"});
            QTest::mouseClick(d->findChild<QWidget*>("Command1"), Qt::LeftButton);
        });
        h.click(Ctl::LbRisposta2);
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
