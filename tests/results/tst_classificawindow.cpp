// SPDX-License-Identifier: GPL-3.0-or-later
// The results window on screen: its fixed size, what it shows after its load
// handler, the blinking grade, PROSEGUI, and its modal opening over its owner.
#include "core/exercise/modulo1.h"
#include "fakes/fakes.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

const char* const kRows[] = {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente", "ShOccorre"};

QLabel* label(QWidget* w, const char* name) {
    return w->findChild<QLabel*>(name);
}

} // namespace

class ClassificaWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }

    void showsWhatItsLoadHandlerDecidedAtItsDesignSize_data() {
        QTest::addColumn<double>("tpp"); // twips per pixel: 15 at 96 dpi, 12 at 120 dpi
        QTest::addColumn<Giudizio>("giudizio");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("shown"); // grade, record, record time
        QTest::newRow("96 dpi, a record")
            << 15.0 << Giudizio::Ottimo << 45.37 << "ottimo!!!|Nuovo Record!|45,3  secondi";
        QTest::newRow("120 dpi, two errors") << 12.0 << Giudizio::Buono << 20.0 << "buono!||";
        QTest::newRow("CLASSIFICA") << 15.0 << Giudizio::SoloClassifica << 12.0 << "||";
    }
    void showsWhatItsLoadHandlerDecidedAtItsDesignSize() {
        QFETCH(double, tpp);
        QFETCH(Giudizio, giudizio);
        QFETCH(double, seconds);
        QFETCH(QString, shown);
        Modulo1 m;
        m.record = kNessunRecord;
        m.giudizio = giudizio;
        FakeClock clock;
        m.temposerie = clock.seconds() - seconds;
        ClassificaWindow w(m, clock, tpp);
        w.show();
        const ClassificaView& v = w.view();
        QCOMPARE(w.objectName(), "classificaform");
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.minimumSize(), QSize(qRound(7665 / tpp), qRound(6690 / tpp)));
        QCOMPARE(w.maximumSize(), w.minimumSize());
        QLabel* risultato = label(&w, "RISULTATO");
        QLabel* trecord = label(&w, "LbTrecord");
        QCOMPARE(risultato->text() + '|' + label(&w, "LbNuovoRecord")->text() + '|' +
                     (trecord->isVisible() ? trecord->text() : ""),
                 shown);
        const Rgb back = v.risultatoBack.value_or(classifica::kBack);
        QCOMPARE(risultato->palette().color(QPalette::Window), QColor(back.r, back.g, back.b));
        for (std::size_t r = 0; r < kRighe; ++r)
            for (int k = 1; k <= kMaxPallini; ++k)
                QCOMPARE(w.findChild<QWidget*>(kRows[r] + QString::number(k))->isVisible(),
                         k <= v.dots[r]);
        QCOMPARE(w.findChild<QWidget*>("Image1")->isVisible(), v.imageVisible);
        QCOMPARE(w.findChild<QWidget*>("Image1")->size(),
                 QSize(qRound(1560 / tpp), qRound(1440 / tpp)));
        // Auto-size: the grade keeps its left edge and the record time its right
        // edge, each as wide as its text; the grade titles end where the dots begin.
        QCOMPARE(risultato->x(), qRound(2970 / tpp));
        QCOMPARE(trecord->geometry().right() + 1, qRound(2520 / tpp));
        for (QLabel* l : {risultato, trecord})
            QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
        for (const char* name : {"LbOttimo", "LbDistinto", "LbBuono", "LbSufficiente", "LbOccorre"})
            QCOMPARE(label(&w, name)->geometry().right() + 1, qRound(4284 / tpp));
    }

    void gradeWordBlinksAtItsInterval_data() {
        QTest::addColumn<Giudizio>("giudizio");
        QTest::addColumn<int>("interval");
        QTest::newRow("ottimo") << Giudizio::Ottimo << 200;
        QTest::newRow("sufficiente") << Giudizio::Sufficiente << 800;
    }
    void gradeWordBlinksAtItsInterval() {
        QFETCH(Giudizio, giudizio);
        QFETCH(int, interval);
        Modulo1 m;
        m.giudizio = giudizio;
        FakeClock clock;
        QElapsedTimer elapsed;
        elapsed.start();
        ClassificaWindow w(m, clock, 15);
        w.show();
        QLabel* risultato = label(&w, "RISULTATO");
        // On for one interval, off for the next, on again.
        QVERIFY(risultato->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!risultato->isVisible(), interval * 5);
        QVERIFY(elapsed.elapsed() >= interval - 5);
        QTRY_VERIFY_WITH_TIMEOUT(risultato->isVisible(), interval * 5);
        QVERIFY(elapsed.elapsed() >= 2 * interval - 5);
    }

    void onlyProseguiOrEnterLeavesTheWindow_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click on PROSEGUI") << false;
        QTest::newRow("Enter") << true;
    }
    // Pins a fault: PROSEGUI held the focus, so Space pressed it too.
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
        QCloseEvent close;                 // Alt+F4 or a desktop's close button
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(w, &close);
        QVERIFY(w && w->isVisible());
        if (byEnter)
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        else
            QTest::mouseClick(w->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
    }

    void opensModalOverItsOwnerAtTheCornerOrLowerAndGradesOnce_data() {
        QTest::addColumn<bool>("lowered");
        QTest::newRow("after a series") << false;
        QTest::newRow("after the last question") << true;
    }
    void opensModalOverItsOwnerAtTheCornerOrLowerAndGradesOnce() {
        QFETCH(bool, lowered);
        Modulo1 m;
        m.giudizio = Giudizio::Ottimo;
        FakeClock clock;
        QWidget owner;
        owner.show();
        // The opening returns only once the window is closed: look at it and
        // press PROSEGUI from the event loop of the modal window.
        QString seen;
        QTimer::singleShot(0, &owner, [&] {
            QWidget* w = QApplication::activeModalWidget();
            seen = QString("%1 %2 (%3, %4)")
                       .arg(w->isModal() && w->isVisible() ? "modal" : "modeless",
                            w->parentWidget() == &owner ? "over its owner" : "loose")
                       .arg(w->x() - owner.screen()->geometry().x())
                       .arg(w->y() - owner.screen()->geometry().y());
            QTest::mouseClick(w->findChild<QWidget*>("Command1"), Qt::LeftButton);
        });
        // A fourteenth of the screen's height down at a pass end: 768 * 15 / 14 twips.
        apriClassifica(m, clock, &owner, lowered ? std::optional(822.86) : std::nullopt, 15);
        QCOMPARE(seen, lowered ? "modal over its owner (0, 55)" : "modal over its owner (0, 0)");
        QCOMPARE(owner.findChildren<QDialog*>().size(), 0); // destroyed once closed
        QCOMPARE(m.nottimo, 1);
    }
};

QTEST_MAIN(ClassificaWindowTest)
#include "tst_classificawindow.moc"
