// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the exercise window with keys and clicks, as a pupil does.
#include "windowharness.h"

#include "skin/platform/eventlooppause.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPointingDevice>
#include <QTimer>

#include <memory>

namespace {

// Reads the steady clock ten times faster, so a one-second pause takes 0.1 s.
class FastClock final : public Clock {
  public:
    double seconds() const override { return real_.seconds() * 10; }

  private:
    SteadyClock real_;
};

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    void fourStepQuestionTakesTheWorkedExample();
    void wrongStepEmptiesOnlyItsBox();
    void clickOnASegmentDuringAnAnswerQuestionDoesNothing();
    void rightAnswerLabelMovesOn();
    void enterInAnEmptyBoxCountsOneError();
    void wrongAnswerShowsOrangeWhileThePauseHolds();
    void clickOnAPieceIsAClickOnItsFrame();
    void leftRectangleIsChoiceOne();
    void autoRepeatedEnterJudgesNothing();
    void clickDuringThePauseIsDropped();
    void fineAndClosingEndTheProgram();
    void keysPressNoButton_data();
    void keysPressNoButton();
    void tapsDoWhatClicksDo();
};

void TestPlay::fourStepQuestionTakesTheWorkedExample() {
    WindowHarness h;
    h.putQuestion(19); // "La somma del primo segmento con il secondo è 36 cm: "
    QStringList seen;
    h.pause.during = [&] { seen << h.text(Ctl::gratifica); };
    const Ctl boxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
    const Ctl prompts[] = {Ctl::LbSub1, Ctl::LbSub2, Ctl::LbSub3, Ctl::LbSub4};
    const QString entries[] = {"2", "16", "20", "12"};
    for (int i = 0; i < 3; ++i) {
        h.type(boxes[i], entries[i]);
        QCOMPARE(h.text(boxes[i]), entries[i] + " cm");
        QVERIFY(!h.window.control(boxes[i])->isEnabled());
        QVERIFY(h.visible(prompts[i + 1]));
        QVERIFY(h.visible(boxes[i + 1]));
        QCOMPARE(h.window.focusWidget(), h.window.control(boxes[i + 1]));
    }
    QVERIFY(!h.visible(Ctl::LbSub4) || h.text(Ctl::LbSub4).startsWith("Quanto misura il terzo"));
    h.type(Ctl::Inp4, "12");
    QCOMPARE(seen, QStringList({"BENE!!", "BENE!!", "BENE!!", "BENE!!"}));
    QCOMPARE(h.text(Ctl::gratifica), QString());
    QCOMPARE(h.text(Ctl::LbRisposte), QString("4"));
    QVERIFY(h.text(Ctl::LbCodice) != QString("19"));
    QVERIFY(!h.visible(Ctl::Inp1) || h.text(Ctl::Inp1).isEmpty());
}

void TestPlay::wrongStepEmptiesOnlyItsBox() {
    WindowHarness h;
    h.putQuestion(19);
    h.type(Ctl::Inp1, "2");
    h.type(Ctl::Inp2, "16");
    h.type(Ctl::Inp3, "21");
    QCOMPARE(h.text(Ctl::Inp1), QString("2 cm"));
    QCOMPARE(h.text(Ctl::Inp2), QString("16 cm"));
    QCOMPARE(h.text(Ctl::Inp3), QString());
    QVERIFY(!h.window.control(Ctl::Inp1)->isEnabled());
    QVERIFY(!h.window.control(Ctl::Inp2)->isEnabled());
    QVERIFY(h.window.control(Ctl::Inp3)->isEnabled());
    QCOMPARE(h.window.focusWidget(), h.window.control(Ctl::Inp3));
    QCOMPARE(h.text(Ctl::LbErrori), QString("1"));
    QCOMPARE(h.text(Ctl::LbRisposte), QString("3"));
    QVERIFY(!h.visible(Ctl::Inp4));
}

void TestPlay::clickOnASegmentDuringAnAnswerQuestionDoesNothing() {
    WindowHarness h;
    h.putQuestion(12);
    for (Ctl c : {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::LbSegmento3})
        h.click(c);
    QCOMPARE(h.pause.count, 0);
    QCOMPARE(h.text(Ctl::LbRisposte), QString("risposte"));
    QCOMPARE(h.text(Ctl::LbCodice), QString("12"));
}

void TestPlay::rightAnswerLabelMovesOn() {
    WindowHarness h;
    h.putQuestion(14); // the right choice is the third label
    h.click(Ctl::LbRisposta1);
    QCOMPARE(h.text(Ctl::LbErrori), QString("1"));
    QCOMPARE(h.text(Ctl::LbCodice), QString("14"));
    h.click(Ctl::LbRisposta3);
    QCOMPARE(h.text(Ctl::LbRisposte), QString("2"));
    QVERIFY(h.text(Ctl::LbCodice) != QString("14"));
}

void TestPlay::enterInAnEmptyBoxCountsOneError() {
    WindowHarness h;
    h.putQuestion(0);
    QTest::keyClick(h.window.control(Ctl::Text1), Qt::Key_Return);
    QCOMPARE(h.text(Ctl::LbErrori), QString("1"));
    QCOMPARE(h.text(Ctl::LbRisposte), QString("1"));
    QCOMPARE(h.text(Ctl::Text1), QString());
    QCOMPARE(h.window.focusWidget(), h.window.control(Ctl::Text1));
    // Keys other than Enter only edit the box.
    QTest::keyClicks(h.window.control(Ctl::Text1), "8");
    QCOMPARE(h.pause.count, 1);
    QTest::keyClick(h.window.control(Ctl::Text1), Qt::Key_Enter);
    QCOMPARE(h.text(Ctl::LbRisposte), QString("2"));
    QVERIFY(h.text(Ctl::LbCodice) != QString("0"));
}

void TestPlay::wrongAnswerShowsOrangeWhileThePauseHolds() {
    WindowHarness h;
    h.putQuestion(25);
    QColor during;
    QString message;
    h.pause.during = [&] {
        during = h.window.palette().color(QPalette::Window);
        message = h.text(Ctl::gratifica);
    };
    h.type(Ctl::Text1, "3");
    QCOMPARE(during, toQColor(form1::kWrongBack));
    QCOMPARE(message, QString("NO RIPROVA"));
    QCOMPARE(h.window.palette().color(QPalette::Window), toQColor(form1::kBack));
    QCOMPARE(h.text(Ctl::gratifica), QString());
}

void TestPlay::clickOnAPieceIsAClickOnItsFrame() {
    WindowHarness h;
    h.putQuestion(4); // the segment of 8 units is the first
    QWidget* frame = h.window.control(Ctl::FrSegmento1);
    // The first unit piece starts at the frame's left edge.
    h.click(Ctl::FrSegmento1, QPoint(1, frame->height() / 2));
    QCOMPARE(h.text(Ctl::LbRisposte), QString("1"));
    QCOMPARE(h.text(Ctl::LbErrori), QString("0"));
}

void TestPlay::leftRectangleIsChoiceOne() {
    WindowHarness h;
    h.putQuestion(30); // expected answer 1
    h.click(Ctl::FrRet1);
    QCOMPARE(h.text(Ctl::LbErrori), QString("1"));
    QVERIFY(h.window.control(Ctl::FrRet2)->x() < h.window.control(Ctl::FrRet1)->x());
    h.click(Ctl::FrRet2);
    QCOMPARE(h.text(Ctl::LbRisposte), QString("2"));
    QVERIFY(h.text(Ctl::LbCodice) != QString("30"));
}

void TestPlay::autoRepeatedEnterJudgesNothing() {
    WindowHarness h;
    h.putQuestion(0);
    QWidget* box = h.window.control(Ctl::Text1);
    QTest::keyClicks(box, "8");
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(box, &repeat);
    QCOMPARE(h.pause.count, 0);
    QCOMPARE(h.text(Ctl::LbCodice), QString("0"));
}

void TestPlay::clickDuringThePauseIsDropped() {
    // Faults pinned: clicks made during the pause must not be replayed after it.
    FastClock clock;
    ClockSeededRandom random(clock, 1);
    EventLoopPause pause(clock);
    FakeScreen screen(1024, 768);
    FakePlayer player;
    Audio audio(player, random, "/app");
    Form1Window window(PlatformServices{clock, random, pause, screen, audio});
    window.start(false);
    window.modulo().domandefatte.fill(1);
    window.modulo().domandefatte[12] = 0;
    QTest::mouseClick(window.control(Ctl::VIA), Qt::LeftButton);
    window.modulo().domandefatte.fill(0);
    window.modulo().domandefatte[12] = 1;

    bool clickedDuringPause = false;
    QTimer::singleShot(30, [&] {
        clickedDuringPause = pause.active();
        // The right answer, clicked while "NO RIPROVA" shows.
        QTest::mouseClick(window.control(Ctl::LbRisposta1), Qt::LeftButton);
        QTest::keyClick(window.control(Ctl::LbRisposta1), Qt::Key_Space);
    });
    QTest::mouseClick(window.control(Ctl::LbRisposta2), Qt::LeftButton);
    QVERIFY(clickedDuringPause);
    QTest::qWait(150);
    auto* codice = static_cast<QLabel*>(window.control(Ctl::LbCodice));
    auto* errori = static_cast<QLabel*>(window.control(Ctl::LbErrori));
    auto* risposte = static_cast<QLabel*>(window.control(Ctl::LbRisposte));
    QCOMPARE(codice->text(), QString("12"));
    QCOMPARE(errori->text(), QString("1"));
    QCOMPARE(risposte->text(), QString("1"));
}

void TestPlay::fineAndClosingEndTheProgram() {
    {
        WindowHarness h;
        h.putQuestion(0);
        h.click(Ctl::FINE);
        QCOMPARE(h.terminations, 1);
    }
    {
        WindowHarness h;
        h.window.close();
        QCOMPARE(h.terminations, 1);
    }
    {
        // Alt+F4 or a desktop's close button would lose the session's tally.
        WindowHarness h;
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(&h.window, &close); // as the window system delivers it
        QCOMPARE(h.terminations, 0);
        QVERIFY(h.window.isVisible());
    }
}

void TestPlay::keysPressNoButton_data() {
    QTest::addColumn<std::optional<TipoDomanda>>("kind");
    QTest::newRow("start screen") << std::optional<TipoDomanda>();
    QTest::newRow("click a segment") << std::optional(TipoDomanda::CliccaSegmento);
    QTest::newRow("click an answer") << std::optional(TipoDomanda::CliccaMisura);
    QTest::newRow("click a rectangle") << std::optional(TipoDomanda::CliccaRettangolo);
}

namespace {
int firstRowOf(WindowHarness& h, TipoDomanda kind) {
    int row = 0;
    while (static_cast<TipoDomanda>(cellNumber(h.window.modulo().domande(row, 0))) != kind)
        ++row;
    return row;
}
} // namespace

// Pins a fault: with VIA hidden the keyboard focus went on to FINE, and one
// press of the space bar ended the program with the session's tally.
void TestPlay::keysPressNoButton() {
    QFETCH(std::optional<TipoDomanda>, kind);
    WindowHarness h;
    h.window.modulo().nottimo = 2;
    if (kind)
        h.putQuestion(firstRowOf(h, *kind));
    const Giudizio giudizio = h.window.modulo().giudizio;
    const QString answers = h.text(Ctl::LbRisposte);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Space,
                        Qt::Key_Backtab, Qt::Key_Space})
        QTest::keyClick(h.window.windowHandle(), key);
    QCOMPARE(h.terminations, 0);
    QCOMPARE(h.window.modulo().nottimo, 2);
    QCOMPARE(h.window.modulo().giudizio, giudizio); // CLASSIFICA was not pressed
    QCOMPARE(h.visible(Ctl::VIA), !kind);
    QCOMPARE(h.text(Ctl::LbRisposte), answers);
    QCOMPARE(h.window.focusWidget(), nullptr);
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"

// On a touch screen or an interactive whiteboard a tap is the pupil's click.
void TestPlay::tapsDoWhatClicksDo() {
    WindowHarness h;
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    auto tap = [device = touchScreen.get()](QWidget* w) {
        QWindow* window = w->window()->windowHandle();
        const QPoint at = w->mapTo(w->window(), w->rect().center());
        QTest::touchEvent(window, device).press(0, at, window);
        QTest::touchEvent(window, device).release(0, at, window);
    };
    tap(h.window.control(Ctl::VIA));
    QVERIFY(!h.visible(Ctl::VIA));

    h.putQuestion(firstRowOf(h, TipoDomanda::CliccaSegmento));
    tap(h.window.control(Ctl::LbSegmento3));
    QCOMPARE(h.text(Ctl::LbRisposte), QString("1"));

    h.putQuestion(0); // typed
    h.window.control(Ctl::Text1)->clearFocus();
    tap(h.window.control(Ctl::Text1));
    QCOMPARE(h.window.focusWidget(), h.window.control(Ctl::Text1));

    // The results window holds the tap on CLASSIFICA until PROSEGUI is tapped.
    QPointer<QWidget> results;
    bool opened = false;
    QTimer look;
    look.setInterval(5);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (!opened && (results = QApplication::activeModalWidget())) {
            opened = true;
            tap(results->findChild<QPushButton*>("Command1"));
        }
    });
    look.start();
    tap(h.window.control(Ctl::Command1));
    QVERIFY(opened);
    QTRY_VERIFY(results.isNull());
    QCOMPARE(h.window.focusWidget(), h.window.control(Ctl::Text1)); // the pupil types on

    tap(h.window.control(Ctl::FINE));
    QCOMPARE(h.terminations, 1);
}
