// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the exercise window with keys, clicks and taps: what the scripted pupil does
// not show. Which controls show for each kind of question, their texts and places, the
// reference pictures hold; other screens, the odd-screens test.
#include "windowharness.h"

#include "skin/platform/eventlooppause.h"

#include <QPointingDevice>
#include <QTabletEvent>

#include <memory>

enum class Press { Click, Tap, ReleaseOnly, DraggedOff };

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    // With the setting at automatic and no touch screen (a touchpad is none), the number pad
    // shows from the first press of a board's pen (a tablet to the system) on, wherever it
    // lands. First here, as taps later make a touch screen for the whole run.
    void aBoardsPenShowsTheAutomaticPadFromThenOn() {
        const std::unique_ptr<QPointingDevice> touchpad(
            QTest::createTouchDevice(QInputDevice::DeviceType::TouchPad));
        WindowHarness h;
        h.putQuestion(0);
        const bool before = h.visible(Ctl::INVIO);
        QPointingDevice pen("pen", 7, QInputDevice::DeviceType::Stylus,
                            QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position,
                            1, 1);
        QTabletEvent press(QEvent::TabletPress, &pen, QPointF(5, 5), QPointF(5, 5), 0.5, 0, 0, 0, 0,
                           0, {}, Qt::LeftButton, Qt::LeftButton);
        QApplication::sendEvent(h.window.control(Ctl::LbDOMANDA), &press);
        QCOMPARE(QList<bool>({before, h.visible(Ctl::INVIO)}), QList<bool>({false, true}));
    }
    // "La somma del primo segmento con il secondo è 36 cm": 2, 16, 20 and 12 cm. Enter
    // judges even an empty box, never a repeat; a wrong step empties only its own box.
    void fourStepQuestionTakesTheWorkedExampleAndEnterJudgesEachStepOnce() {
        WindowHarness h;
        h.putQuestion(19);
        QString seen;
        h.pause.during = [&] {
            const bool orange = h.window.palette().window() == toQColor(form1::kWrongBack);
            seen += h.text(Ctl::gratifica) + (orange ? "! " : " ");
        };
        // Types where the focus is and presses Enter, Return or one held down.
        auto enter = [&](const QString& entry, Qt::Key key = Qt::Key_Return, bool held = false) {
            QTest::keyClicks(h.window.focusWidget(), entry);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, "\r", held);
            QApplication::sendEvent(h.window.focusWidget(), &press);
            QString s; // each box's text, "?" while it waits, "-" while it and its prompt hide
            for (int i = 0; i < 4; ++i) {
                const Ctl box = Ctl(index(Ctl::Inp1) + i);
                s += h.visible(Ctl(index(Ctl::LbSub1) + i)) + h.visible(box) == 0 ? "-|"
                     : h.window.control(box)->isEnabled() ? h.text(box) + "?|"
                                                          : h.text(box) + "|";
            }
            return s + h.counters();
        };
        QCOMPARE(enter("2"), "2 cm|?|-|-|1/0");
        QCOMPARE(enter("16", Qt::Key_Enter), "2 cm|16 cm|?|-|2/0");
        QCOMPARE(enter("21"), "2 cm|16 cm|?|-|3/1");
        QCOMPARE(enter(""), "2 cm|16 cm|?|-|4/2");                           // an empty box too
        QCOMPARE(enter("20", Qt::Key_Return, true), "2 cm|16 cm|20?|-|4/2"); // a repeat: nothing
        QCOMPARE(enter(""), "2 cm|16 cm|20 cm|?|5/2");
        QCOMPARE(enter("12").right(3) + seen,
                 "6/2BENE!! BENE!! NO RIPROVA! NO RIPROVA! BENE!! BENE!! ");
        QVERIFY(h.text(Ctl::LbCodice) != "19");
    }

    // A click or tap on a piece is one on its frame. Segments do nothing while an answer
    // is to be clicked, nor does a release without its press on the same control.
    void onlyAWholeClickOrTapOnWhatTheQuestionAsksAnswers() {
        using enum Ctl;
        using enum Press;
        const std::tuple<int, Ctl, Press> cases[] = {
            {4, FrSegmento1, Click},       {4, FrSegmento1, Tap},
            {30, FrRet2, Click},           {30, FrRet1, Tap},
            {14, LbRisposta3, Tap},        {-1, VIA, Tap},
            {12, FrSegmento1, Click},      {12, LbSegmento3, Click},
            {4, FrSegmento1, ReleaseOnly}, {14, LbRisposta3, ReleaseOnly},
            {4, FrSegmento1, DraggedOff},  {14, LbRisposta3, DraggedOff}};
        QStringList seen;
        for (const auto& [row, target, press] : cases) {
            WindowHarness h;
            if (row >= 0)
                h.putQuestion(row);
            QWidget* w = h.window.control(target);
            const QPoint at(1, w->height() / 2); // on the first unit of a strip
            if (press == Tap)
                tap(w, at);
            if (press == Click || press == DraggedOff)
                QTest::mousePress(w, Qt::LeftButton, {}, at);
            if (press != Tap)
                QTest::mouseRelease(w, Qt::LeftButton, {}, press == DraggedOff ? -at : at);
            seen << h.counters();
        }
        // Right on segments and the left rectangle, wrong on the middle one, VIA starts.
        QCOMPARE(seen.join(' '),
                 "1/0 1/0 1/0 1/1 1/0 " + QString("risposte/0 ").repeated(7).trimmed());
    }

    // The real pause, on a clock that moves only when told.
    void clicksAndKeysDuringThePauseAreDropped() {
        FakeClock pauseClock;
        EventLoopPause pause(pauseClock);
        WindowHarness h(1024, 768, 1, &pause);
        h.putQuestion(0);
        QString active; // at the start of the pause, then after a while on its still clock
        QTimer::singleShot(30, [&] {
            active += QString::number(pause.active());
            QTest::keyClicks(h.window.control(Ctl::Text1),
                             "8\r"); // right, while "NO RIPROVA" shows
            h.click(Ctl::FINE);
        });
        QTimer::singleShot(250, [&] {
            active += QString::number(pause.active());
            pauseClock.advance(1);
        });
        h.type(Ctl::Text1, "3");
        QCOMPARE(active + QString::number(pause.active()) + ' ' + h.counters() +
                     h.text(Ctl::Text1) + QString::number(h.terminations),
                 "110 1/10");
    }

    // Pins a fault: with VIA hidden the keyboard focus went on to FINE, and one
    // press of the space bar ended the program with the session's tally.
    void keysPressNoButton() {
        for (int row : {-1, 3, 12, 30}) { // start screen, then the kinds answered by a click
            WindowHarness h;
            if (row >= 0)
                h.putQuestion(row);
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                                Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Space})
                QTest::keyClick(h.window.windowHandle(), key);
            // Neither FINE nor CLASSIFICA was pressed, nor VIA, and no button took the focus.
            QCOMPARE(
                QList<int>({h.terminations, h.visible(Ctl::VIA), int(h.window.modulo().giudizio),
                            h.window.focusWidget() != nullptr}),
                QList<int>({0, row < 0, int(Giudizio::Nessuno), 0}));
        }
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
