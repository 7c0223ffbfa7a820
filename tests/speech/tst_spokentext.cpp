// SPDX-License-Identifier: GPL-3.0-or-later
// What the voice says for every text the windows can show: the 42 questions, the
// choices, the prompts, the hint line and the grade words, written out as a
// teacher would read them.
#include "core/common/spokentext.h"
#include "core/exercise/modulo1.h"
#include "core/forms/classificadesign.h"
#include "core/forms/form1design.h"
#include "core/results/classificalogic.h"

#include <QTest>

#include <regex>

class TestSpokenText : public QObject {
    Q_OBJECT
  private slots:
    void everyPhraseOnScreenIsSaidInItalianWords_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said");
        const std::pair<const char*, const char*> rows[] = {
            // The questions with figures, ordinals, fractions and lengths (rows 0..24).
            {"Quante unità frazionarie ci sono nel 1° segmento?",
             "Quante unità frazionarie ci sono nel primo segmento?"},
            {"6/8 8/10 6/10 8/6 10/6", "sei ottavi otto decimi sei decimi otto sesti dieci sesti"},
            {"Se il terzo segmento misura 48 cm, quanto misura l'unità frazionaria? ",
             "Se il terzo segmento misura quarantotto centimetri, quanto misura l'unità "
             "frazionaria?"},
            {"La somma del primo segmento con il secondo è 36 cm: ",
             "La somma del primo segmento con il secondo è trentasei centimetri:"},
            // The choices, the segments' labels and the prompts.
            {"4,8 cm", "quattro virgola otto centimetri"},
            {"60 cm 40 cm 8 cm 6 cm",
             "sessanta centimetri quaranta centimetri otto centimetri sei centimetri"},
            {"   2° segmento, 3° segmento", "secondo segmento, terzo segmento"},
            {"Quanto misura l'unità frazionaria?         ", "Quanto misura l'unità frazionaria?"},
            // The hint line, the grade words and the record.
            {"Scrivi il risultato e premi il tasto INVIO. ",
             "Scrivi il risultato e premi il tasto invio."},
            {"Bravo!! Hai risposto a tutte le domande.", "Bravo! Hai risposto a tutte le domande."},
            {"ottimo!!!", "ottimo!"},
            {"OCCORRE ESERCITARSI", "occorre esercitarsi"},
            {"45,3  secondi", "quarantacinque virgola tre secondi"},
            {"Nuovo Record!", "Nuovo Record!"},
            // What other texts may hold.
            {"n° 5, 1 cm, 1/2, 3/11, 5/23, 7/26",
             "numero cinque, un centimetro, un mezzo, tre undicesimi, cinque ventitreesimi, sette "
             "ventiseiesimi"},
            {"e/o, a / b", "e o, a b"},
            // One of a thing in its gender, not "uno unità".
            {"1 unità frazionaria, 1 serie, 1 segmento; 1 e 2", "una unità frazionaria, una serie, "
                                                                "un segmento; uno e due"},
            {"4,05 mm, 1,5 cm, 21 dm",
             "quattro virgola zero cinque millimetri, uno virgola cinque centimetri, ventuno "
             "decimetri"},
        };
        for (const auto& [shown, said] : rows)
            QTest::newRow(shown) << QString::fromUtf8(shown) << QString::fromUtf8(said);
    }
    void everyPhraseOnScreenIsSaidInItalianWords() {
        QFETCH(QString, shown);
        QFETCH(QString, said);
        QCOMPARE(QString::fromStdString(spokenItalian(shown.toStdString())), said);
    }

    void numbersAreWordsWithItalianElisionsAndAccents() {
        std::string said;
        for (long long n : {0LL, 1LL, 16LL, 20LL, 21LL, 23LL, 28LL, 64LL, 80LL, 100LL, 108LL, 113LL,
                            180LL, 1000LL, 1001LL, 2023LL, 21000LL, 1000000LL, -3LL})
            said += numberWords(n) + ' ';
        QCOMPARE(said,
                 "zero uno sedici venti ventuno ventitré ventotto sessantaquattro ottanta cento "
                 "centotto centotredici centottanta mille milleuno duemilaventitré "
                 "ventunmila un milione meno tre ");
    }

    // No text of either window leaves the voice a sign, a digit or an abbreviation to
    // spell out; a text with none of them is said as written.
    void everyTextOfTheWindowsIsLeftWithNothingToSpell() {
        Modulo1 m;
        riempiDomande(m);
        std::vector<std::string> texts;
        for (int row = 0; row < Modulo1::kQuestions; ++row)
            for (int column = 1; column <= 4; ++column)
                texts.push_back(cellText(m.domande(row, column)));
        for (const auto& d : form1Design())
            texts.emplace_back(d.text);
        for (const auto& d : classifica::controls())
            texts.emplace_back(d.text);
        for (const AspettoGrado& grado : aspettiGradi())
            texts.emplace_back(grado.parola);
        const std::regex leftover("[0-9/]|°|\\bcm\\b|  |^ | $|!!|\\b[A-Z]{2,}\\b");
        for (const std::string& text : texts) {
            const std::string said = spokenItalian(text);
            QVERIFY2(!std::regex_search(said, leftover), said.c_str());
        }
        for (int row = 25; row < Modulo1::kQuestions; ++row)
            QCOMPARE(spokenItalian(cellText(m.domande(row, 1))), cellText(m.domande(row, 1)));
    }
};

QTEST_MAIN(TestSpokenText)
#include "tst_spokentext.moc"
