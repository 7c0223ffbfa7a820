// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the exercise window with keys, clicks and taps: what the scripted
// pupil does not show.
#include "windowharness.h"

#include "skin/platform/eventlooppause.h"

#include <QPointingDevice>

enum class Press { Click, Tap, ReleaseOnly, DraggedOff };

// On a touch screen or an interactive whiteboard a tap is the pupil's click.
static void tap(QWidget* w, QPoint at) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QWindow* window = w->window()->windowHandle();
    QTest::touchEvent(window, screen).press(0, w->mapTo(w->window(), at), window);
    QTest::touchEvent(window, screen).release(0, w->mapTo(w->window(), at), window);
}

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    // "La somma del primo segmento con il secondo è 36 cm": 2, 16, 20 and 12 cm.
    void fourStepQuestionTakesTheWorkedExampleAndAWrongStepEmptiesOnlyItsBox() {
        WindowHarness h;
        h.putQuestion(19);
        QString seen;
        h.pause.during = [&] {
            const bool orange = h.window.palette().window() == toQColor(form1::kWrongBack);
            seen += h.text(Ctl::gratifica) + (orange ? "! " : " ");
        };
        auto enter = [&](const QString& entry) { // where the focus is, as the pupil types
            QWidget* box = h.window.focusWidget();
            QTest::keyClicks(box, entry);
            QTest::keyClick(box, Qt::Key_Return);
            QString
                s; // each box's text, "?" while it waits, "-" while it and its prompt are hidden
            for (int i = 0; i < 4; ++i) {
                const Ctl b = std::array{Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4}[i];
                const bool prompt =
                    h.visible(std::array{Ctl::LbSub1, Ctl::LbSub2, Ctl::LbSub3, Ctl::LbSub4}[i]);
                s += !h.visible(b) && !prompt
                         ? "-|"
                         : h.text(b) + (prompt && h.window.control(b)->isEnabled() ? "?|" : "|");
            }
            return s + h.counters();
        };
        QCOMPARE(enter("2"), "2 cm|?|-|-|1/0");
        QCOMPARE(enter("16"), "2 cm|16 cm|?|-|2/0");
        QCOMPARE(enter("21"), "2 cm|16 cm|?|-|3/1");
        QCOMPARE(enter("20"), "2 cm|16 cm|20 cm|?|4/1");
        enter("12");
        QCOMPARE(seen, "BENE!! BENE!! NO RIPROVA! BENE!! BENE!! ");
        QCOMPARE(h.counters(), "5/1");
        QVERIFY(h.text(Ctl::LbCodice) != "19");
    }

    void onlyAWholeClickOrTapOnWhatTheQuestionAsksAnswers_data() {
        QTest::addColumn<int>("row"); // -1: the start screen
        QTest::addColumn<Ctl>("target");
        QTest::addColumn<Press>("press");
        QTest::addColumn<QString>("counters");
        QTest::newRow("on a piece, its frame") << 4 << Ctl::FrSegmento1 << Press::Click << "1/0";
        QTest::newRow("tap on a piece") << 4 << Ctl::FrSegmento1 << Press::Tap << "1/0";
        QTest::newRow("left rectangle: 1") << 30 << Ctl::FrRet2 << Press::Click << "1/0";
        QTest::newRow("tap, middle one: 2") << 30 << Ctl::FrRet1 << Press::Tap << "1/1";
        QTest::newRow("tap on a label") << 14 << Ctl::LbRisposta3 << Press::Tap << "1/0";
        QTest::newRow("tap on VIA") << -1 << Ctl::VIA << Press::Tap << "risposte/0";
        QTest::newRow("a segment, answer asked")
            << 12 << Ctl::FrSegmento1 << Press::Click << "risposte/0";
        QTest::newRow("its label") << 12 << Ctl::LbSegmento3 << Press::Click << "risposte/0";
        QTest::newRow("release alone, frame")
            << 4 << Ctl::FrSegmento1 << Press::ReleaseOnly << "risposte/0";
        QTest::newRow("release alone, label")
            << 14 << Ctl::LbRisposta3 << Press::ReleaseOnly << "risposte/0";
        QTest::newRow("dragged off, frame")
            << 4 << Ctl::FrSegmento1 << Press::DraggedOff << "risposte/0";
        QTest::newRow("dragged off, label")
            << 14 << Ctl::LbRisposta3 << Press::DraggedOff << "risposte/0";
    }
    void onlyAWholeClickOrTapOnWhatTheQuestionAsksAnswers() {
        QFETCH(int, row);
        QFETCH(Ctl, target);
        QFETCH(Press, press);
        WindowHarness h;
        if (row >= 0)
            h.putQuestion(row);
        QWidget* w = h.window.control(target);
        const QPoint at(1, w->height() / 2); // on the first unit of a strip
        if (press == Press::Tap)
            tap(w, at);
        if (press == Press::Click || press == Press::DraggedOff)
            QTest::mousePress(w, Qt::LeftButton, {}, at);
        if (press != Press::Tap)
            QTest::mouseRelease(w, Qt::LeftButton, {}, press == Press::DraggedOff ? -at : at);
        QTEST(h.counters(), "counters");
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
        QTest::keyClicks(h.window.focusWidget(), "8");
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
        bool moved = false;
        QTimer::singleShot(30, [&] {
            held = pause.active();
            h.type(Ctl::Text1, "8"); // the right answer, while "NO RIPROVA" shows
            h.click(Ctl::FINE);
        });
        QTimer::singleShot(250, [&] {
            moved = pause.active(); // still on: its clock has not moved
            pauseClock.advance(1);
        });
        h.type(Ctl::Text1, "3");
        QVERIFY(held && moved && !pause.active());
        QCOMPARE(h.counters() + h.text(Ctl::Text1) + QString::number(h.terminations), "1/10");
    }

    void onlyFineOrTheProgramItselfClosesTheWindow() {
        WindowHarness byFine, byProgram, bySystem;
        tap(byFine.window.control(Ctl::FINE), {5, 5});
        byProgram.window.close();
        closeFromOutside(&bySystem.window); // it would lose the session's tally
        QCOMPARE(byFine.terminations + 10 * byProgram.terminations + 100 * bySystem.terminations,
                 11);
        QVERIFY(bySystem.window.isVisible());
    }

    void keysPressNoButton_data() {
        QTest::addColumn<int>("row");
        for (int row : {-1, 3, 12, 30}) // start screen, then the kinds answered by a click
            QTest::addRow("%d", row) << row;
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
