// SPDX-License-Identifier: GPL-3.0-or-later
// The results window on screen: its fixed size, what it shows after its load
// handler, the blinking grade and PROSEGUI. The scripted pupil sees it open.
#include "../forms/windowharness.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QLabel>
#include <QPointer>

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

    // Pins a fault: PROSEGUI held the focus, so Space pressed it too.
    void onlyProseguiOrEnterLeavesTheWindow() {
        for (bool byEnter : {false, true}) {
            Modulo1 m;
            FakeClock clock;
            QPointer<ClassificaWindow> w = new ClassificaWindow(m, clock, 15);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space})
                QTest::keyClick(w->windowHandle(), key);
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            QApplication::sendEvent(w, &held); // still down from the last answer
            closeFromOutside(w);
            QVERIFY(w && w->isVisible());
            if (byEnter)
                QTest::keyClick(w->windowHandle(), Qt::Key_Return);
            else
                QTest::mouseClick(w->findChild<QWidget*>("Command1"), Qt::LeftButton);
            QTRY_VERIFY(w.isNull());
        }
    }
};

QTEST_MAIN(ClassificaWindowTest)
#include "tst_classificawindow.moc"
