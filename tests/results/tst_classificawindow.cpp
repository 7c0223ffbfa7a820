// SPDX-License-Identifier: GPL-3.0-or-later
// The results window on screen: its fixed size, what it shows after its load
// handler, the blinking grade. The scripted pupil opens it and leaves it.
#include "../forms/windowharness.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QLabel>

class ClassificaWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void showsWhatItsLoadHandlerDecidedAtItsDesignSize_data() {
        QTest::addColumn<double>("tpp"); // twips per pixel: 15 at 96 dpi, 12 at 120 dpi
        QTest::addColumn<Giudizio>("giudizio");
        QTest::addColumn<QString>("shown"); // grade, record, record time, blink, dots, picture
        QTest::newRow("96 dpi, record")
            << 15.0 << Giudizio::Ottimo << "ottimo!!!|Nuovo Record!|45,3  secondi|200|1|1";
        QTest::newRow("120 dpi, two errors") << 12.0 << Giudizio::Buono << "buono!|||600|0|0";
        QTest::newRow("CLASSIFICA") << 15.0 << Giudizio::SoloClassifica << "|||1000|0|0";
    }
    void showsWhatItsLoadHandlerDecidedAtItsDesignSize() {
        QFETCH(double, tpp);
        QFETCH(Giudizio, giudizio);
        installFontSubstitutes();
        Modulo1 m;
        m.record = kNessunRecord;
        m.giudizio = giudizio;
        FakeClock clock;
        m.temposerie = clock.seconds() - 45.37;
        ClassificaWindow w(m, clock, tpp);
        w.show();
        auto* risultato = w.findChild<QLabel*>("RISULTATO");
        auto* trecord = w.findChild<QLabel*>("LbTrecord");
        QTEST(QStringList({risultato->text(), controlText(w.findChild<QLabel*>("LbNuovoRecord")),
                           trecord->isVisible() ? trecord->text() : "",
                           QString::number(w.findChild<QTimer*>("Timer1")->interval()),
                           QString::number(w.findChild<QWidget*>("ShOttimo1")->isVisible()),
                           QString::number(w.findChild<QWidget*>("Image1")->isVisible())})
                  .join('|'),
              "shown");
        QCOMPARE(risultato->palette().color(QPalette::Window),
                 toQColor(w.view().risultatoBack.value_or(classifica::kBack)));
        // Fixed at its design size. Auto-size: the grade keeps its left edge and the record
        // time its right edge, each as wide as its text; the grade titles end where the dots begin.
        auto px = [&](int twips) { return qRound(twips / tpp); };
        QCOMPARE(
            QList<int>({w.minimumWidth(), w.maximumWidth(), w.minimumHeight(), w.maximumHeight(),
                        risultato->x(), trecord->geometry().right() + 1,
                        w.findChild<QWidget*>("LbSufficiente")->geometry().right() + 1}),
            QList<int>({px(7665), px(7665), px(6690), px(6690), px(2970), px(2520), px(4284)}));
        for (QLabel* l : {risultato, trecord})
            QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
        // The grade blinks: off for one interval, then on again.
        QTRY_VERIFY(!risultato->isVisible());
        QTRY_VERIFY(risultato->isVisible());
    }
};

QTEST_MAIN(ClassificaWindowTest)
#include "tst_classificawindow.moc"
