// SPDX-License-Identifier: GPL-3.0-or-later
// The results window on screen: its fixed size, what it shows after its load
// handler, the blinking grade, PROSEGUI, and its modal opening over its owner.
#include "../forms/windowharness.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QLabel>
#include <QPointer>
#include <QScreen>

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
        QCOMPARE(w.minimumSize(), QSize(qRound(7665 / tpp), qRound(6690 / tpp)));
        QCOMPARE(w.maximumSize(), w.minimumSize());
        // Auto-size: the grade keeps its left edge and the record time its right
        // edge, each as wide as its text; the grade titles end where the dots begin.
        QCOMPARE(risultato->x(), qRound(2970 / tpp));
        QCOMPARE(trecord->geometry().right() + 1, qRound(2520 / tpp));
        for (QLabel* l : {risultato, trecord})
            QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
        QCOMPARE(w.findChild<QWidget*>("LbSufficiente")->geometry().right() + 1,
                 qRound(4284 / tpp));
        // The grade blinks: off for one interval, then on again.
        QTRY_VERIFY(!risultato->isVisible());
        QTRY_VERIFY(risultato->isVisible());
    }

    // Pins a fault: PROSEGUI held the focus, so Space pressed it too.
    void onlyProseguiOrEnterLeavesTheWindow_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click on PROSEGUI") << false;
        QTest::newRow("Enter") << true;
    }
    void onlyProseguiOrEnterLeavesTheWindow() {
        QFETCH(bool, byEnter);
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

    void opensModalOverItsOwnerAtTheCornerOrLowerAndGradesOnce_data() {
        QTest::addColumn<std::optional<double>>("top");
        QTest::addColumn<QString>("seen");
        QTest::newRow("after a series") << std::optional<double>() << "modal over owner at 0,0";
        // A fourteenth of the screen's height down: 768 * 15 / 14 twips.
        QTest::newRow("at a pass end") << std::optional(822.86) << "modal over owner at 0,55";
    }
    void opensModalOverItsOwnerAtTheCornerOrLowerAndGradesOnce() {
        QFETCH(std::optional<double>, top);
        Modulo1 m;
        m.giudizio = Giudizio::Ottimo;
        FakeClock clock;
        QWidget owner;
        owner.setObjectName("owner");
        owner.show();
        // The opening returns once the window is closed: look at it and press
        // PROSEGUI from the event loop of the modal window.
        QString seen;
        QTimer::singleShot(0, &owner, [&] {
            QWidget* w = QApplication::activeModalWidget();
            const QPoint at = w->pos() - owner.screen()->geometry().topLeft();
            seen = QString("%1 over %2 at %3,%4")
                       .arg(w->isModal() && w->isVisible() ? "modal" : "modeless",
                            w->parentWidget()->objectName())
                       .arg(at.x())
                       .arg(at.y());
            QTest::mouseClick(w->findChild<QWidget*>("Command1"), Qt::LeftButton);
        });
        apriClassifica(m, clock, &owner, top, 15);
        QTEST(seen, "seen");
        QCOMPARE(owner.findChildren<QDialog*>().size(), 0); // destroyed once closed
        QCOMPARE(m.nottimo, 1);
    }
};

QTEST_MAIN(ClassificaWindowTest)
#include "tst_classificawindow.moc"
