// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the exercise window with keys, clicks and taps: what the scripted
// pupil does not show.
#include "windowharness.h"

#include "skin/platform/eventlooppause.h"

#include <QCloseEvent>
#include <QPointingDevice>

enum class Press { Click, Tap, ReleaseOnly, RightClick, DraggedOff };

namespace {

// On a touch screen or an interactive whiteboard a tap is the pupil's click.
void tap(QWidget* w, QPoint at) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QWindow* window = w->window()->windowHandle();
    QTest::touchEvent(window, screen).press(0, w->mapTo(w->window(), at), window);
    QTest::touchEvent(window, screen).release(0, w->mapTo(w->window(), at), window);
}

void enter(QWidget* box, const QString& text) {
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    // "La somma del primo segmento con il secondo è 36 cm": 2, 16, 20 and 12 cm.
    void fourStepQuestionTakesTheWorkedExampleAndAWrongStepEmptiesOnlyItsBox() {
        WindowHarness h;
        h.putQuestion(19);
        QString seen;
        h.pause.during = [&] {
            const QColor back = h.window.palette().color(QPalette::Window);
            seen += h.text(Ctl::gratifica) + (back == toQColor(form1::kWrongBack) ? "! " : " ");
        };
        auto boxes = [&] { // each box's text, "?" while it waits, "-" while it is hidden
            QString s;
            for (auto [prompt, box] : {std::pair{Ctl::LbSub1, Ctl::Inp1},
                                       {Ctl::LbSub2, Ctl::Inp2},
                                       {Ctl::LbSub3, Ctl::Inp3},
                                       {Ctl::LbSub4, Ctl::Inp4}})
                s += h.visible(prompt) != h.visible(box)  ? "prompt?|"
                     : !h.visible(box)                    ? "-|"
                     : h.window.control(box)->isEnabled() ? h.text(box) + "?|"
                                                          : h.text(box) + "|";
            return s + h.window.focusWidget()->objectName();
        };
        for (const char* entry : {"2", "16", "21"})
            enter(h.window.focusWidget(), entry);
        QCOMPARE(boxes(), "2 cm|16 cm|?|-|Inp3");
        QCOMPARE(h.counters(), "3/1");
        enter(h.window.focusWidget(), "20");
        QCOMPARE(boxes(), "2 cm|16 cm|20 cm|?|Inp4");
        enter(h.window.focusWidget(), "12");
        QCOMPARE(seen, "BENE!! BENE!! NO RIPROVA! BENE!! BENE!! ");
        QCOMPARE(h.counters(), "5/1");
        QVERIFY(h.text(Ctl::LbCodice) != "19");
        QCOMPARE(h.window.palette().color(QPalette::Window), toQColor(form1::kBack));
    }

    void onlyAWholeLeftClickOrTapOnWhatTheQuestionAsksAnswers_data() {
        QTest::addColumn<int>("row"); // -1: the start screen
        QTest::addColumn<Ctl>("target");
        QTest::addColumn<Press>("press");
        QTest::addColumn<QString>("counters");
        QTest::newRow("on a piece, its frame") << 4 << Ctl::FrSegmento1 << Press::Click << "1/0";
        QTest::newRow("tap on a piece") << 4 << Ctl::FrSegmento1 << Press::Tap << "1/0";
        QTest::newRow("left rectangle: 1") << 30 << Ctl::FrRet2 << Press::Click << "1/0";
        QTest::newRow("tap, middle one: 2") << 30 << Ctl::FrRet1 << Press::Tap << "1/1";
        QTest::newRow("answer label") << 14 << Ctl::LbRisposta3 << Press::Click << "1/0";
        QTest::newRow("tap on a segment label") << 3 << Ctl::LbSegmento3 << Press::Tap << "1/0";
        QTest::newRow("tap on VIA") << -1 << Ctl::VIA << Press::Tap << "risposte/0";
        QTest::newRow("segment, answer asked")
            << 12 << Ctl::FrSegmento1 << Press::Click << "risposte/0";
        QTest::newRow("segment label, same")
            << 12 << Ctl::LbSegmento3 << Press::Click << "risposte/0";
        for (auto [row, target] : {std::pair{4, Ctl::FrSegmento1}, {14, Ctl::LbRisposta3}}) {
            QTest::addRow("release alone, %d", row)
                << row << target << Press::ReleaseOnly << "risposte/0";
            QTest::addRow("right click, %d", row)
                << row << target << Press::RightClick << "risposte/0";
            QTest::addRow("dragged off, %d", row)
                << row << target << Press::DraggedOff << "risposte/0";
        }
    }
    void onlyAWholeLeftClickOrTapOnWhatTheQuestionAsksAnswers() {
        QFETCH(int, row);
        QFETCH(Ctl, target);
        QFETCH(Press, press);
        QFETCH(QString, counters);
        WindowHarness h;
        if (row >= 0)
            h.putQuestion(row);
        QWidget* w = h.window.control(target);
        const QPoint at(1, w->height() / 2); // on the first unit of a strip
        if (press == Press::Tap)
            tap(w, at);
        if (press == Press::RightClick)
            QTest::mouseClick(w, Qt::RightButton, {}, at);
        if (press == Press::Click || press == Press::DraggedOff)
            QTest::mousePress(w, Qt::LeftButton, {}, at);
        if (press == Press::Click || press == Press::DraggedOff || press == Press::ReleaseOnly)
            QTest::mouseRelease(w, Qt::LeftButton, {}, press == Press::DraggedOff ? -at : at);
        QCOMPARE(h.counters(), counters);
    }

    void enterJudgesEvenAnEmptyBoxButNeverARepeat() {
        WindowHarness h;
        h.putQuestion(0); // "Quante unità frazionarie ci sono nel 1° segmento?": 8
        QWidget* box = h.window.control(Ctl::Text1);
        QTest::keyClicks(box, "8");
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(box, &held);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(h.counters() + h.text(Ctl::Text1), "1/1");
        QCOMPARE(h.window.focusWidget(), box);
        QTest::keyClicks(box, "8");
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(h.counters(), "2/1");
    }

    // The real pause, on a clock that moves only when told.
    void clicksAndKeysDuringThePauseAreDropped() {
        FakeClock pauseClock;
        EventLoopPause pause(pauseClock);
        WindowHarness h(1024, 768, 1, &pause);
        h.putQuestion(0);
        bool held = false;
        QTimer::singleShot(30, [&] {
            held = pause.active();
            h.type(Ctl::Text1, "8"); // the right answer, while "NO RIPROVA" shows
            h.click(Ctl::FINE);
        });
        QTimer::singleShot(250, [&] {
            held = held && pause.active(); // still on: its clock has not moved
            pauseClock.advance(1);
        });
        h.type(Ctl::Text1, "3");
        QVERIFY(held && !pause.active());
        QCOMPARE(h.counters() + h.text(Ctl::Text1), "1/1");
        QCOMPARE(h.terminations, 0);
    }

    void onlyFineOrTheProgramItselfClosesTheWindow() {
        WindowHarness byFine, byProgram, bySystem;
        tap(byFine.window.control(Ctl::FINE), {5, 5});
        byProgram.window.close();
        // Alt+F4 or a desktop's close button would lose the session's tally.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(&bySystem.window, &close);
        QCOMPARE(QString("%1%2%3")
                     .arg(byFine.terminations)
                     .arg(byProgram.terminations)
                     .arg(bySystem.terminations),
                 "110");
        QVERIFY(bySystem.window.isVisible());
    }

    void keysPressNoButton_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("start screen") << -1;
        QTest::newRow("click a segment") << 3;
        QTest::newRow("click an answer") << 12;
        QTest::newRow("click a rectangle") << 30;
    }
    // Pins a fault: with VIA hidden the keyboard focus went on to FINE, and one
    // press of the space bar ended the program with the session's tally.
    void keysPressNoButton() {
        QFETCH(int, row);
        WindowHarness h;
        if (row >= 0)
            h.putQuestion(row);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                            Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Space})
            QTest::keyClick(h.window.windowHandle(), key);
        QCOMPARE(h.terminations, 0);
        QCOMPARE(h.window.modulo().giudizio, Giudizio::Nessuno); // CLASSIFICA was not pressed
        QCOMPARE(h.visible(Ctl::VIA), row < 0);
        QCOMPARE(h.window.focusWidget(), nullptr);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
