// SPDX-License-Identifier: GPL-3.0-or-later
// A child let loose on the real windows, with what a teacher checks after each event; a
// failure prints the seed and the last events, so that it can be played again.
#include "monkey.h"

#include "../forms/windowharness.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <span>

class TestMonkey : public QObject {
    Q_OBJECT
  private slots:
    void noInputEndsTheExerciseOrLosesItsTally_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void noInputEndsTheExerciseOrLosesItsTally() {
        QFETCH(unsigned, seed);
        FakeClock clock;
        ClockSeededRandom random(clock, seed);
        ShortPause pause;
        FakeScreen screen(1024, 768);
        FakePlayer player;
        Audio audio(player, random, "/app");
        Form1Window window(PlatformServices{clock, random, pause, screen, audio});
        window.start(false);
        Monkey monkey(window, pause, seed);
        int ends = 0, graded = 0, judged[2] = {}, base[2] = {}; // answers, wrong ones
        std::size_t cues = 0;
        QString before; // the counters as last seen at rest
        window.setTerminator([&] { ++ends; });
        const auto text = [&](Ctl id) { return controlText(window.control(id)); };
        const auto count = [&] {
            for (const std::string& cue : std::span(player.played).subspan(cues)) {
                judged[0] += cue.find("/esatto") != cue.npos || cue.ends_with("/sbagliato1.wav");
                judged[1] += cue.ends_with("/sbagliato1.wav");
            }
            cues = player.played.size();
        };
        monkey.onResults = [&] { // a graded series, or a pass's end, starts the counters afresh
            graded += window.modulo().giudizio != Giudizio::SoloClassifica;
            if (count(); window.modulo().giudizio != Giudizio::SoloClassifica ||
                         window.control(Ctl::VIA)->isVisible())
                std::copy_n(judged, 2, base);
        };
        const int sent = monkey.run(5000, [&](Monkey::Hold hold) -> QString {
            const QString shown = text(Ctl::LbRisposte) + " / " + text(Ctl::LbErrori);
            const QString message = text(Ctl::gratifica);
            const auto box = window.logic().stage().focus;
            QWidget* focus = window.focusWidget();
            if (ends || !window.isVisible())
                return "the exercise ended";
            if (hold == Monkey::Hold::Pause) // it shows its message and drops all input
                return (message == "BENE!!" || message == "NO RIPROVA") && shown == before
                           ? ""
                           : "in a pause: " + message + ", " + shown;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (hold == Monkey::Hold::None && w != &window && w->isVisible())
                    return "a window stayed open: " + w->objectName();
            if (hold == Monkey::Hold::Results)
                return "";
            if (pause.active() || !window.logic().stage().enabled || !message.isEmpty())
                return "the pause is not over: " + message;
            count();
            before = QStringLiteral("%1 / %2").arg(judged[0] - base[0]).arg(judged[1] - base[1]);
            if (QString(shown).replace("risposte", "0").replace("errori", "0") != before)
                return "the counters show " + shown + " after " + before;
            if (qobject_cast<QPushButton*>(focus) ||
                (box && window.control(*box)->isVisible() && focus != window.control(*box)))
                return "the focus is on " + (focus ? focus->objectName() : "nothing");
            before = shown;
            return "";
        });
        QVERIFY2(
            monkey.failure().isEmpty(),
            qPrintable(
                QStringLiteral("seed %1, event %2: %3").arg(seed).arg(sent).arg(monkey.failure())));
        // Deep enough: answers judged, series graded, feedback pauses held.
        QVERIFY(judged[0] > 500 && graded > 25 && pause.count > 500);
    }

    // The real feedback pause lasts its whole length by its clock, slice after slice, and
    // drops the pupil's keys meanwhile; they reach the window again after it.
    void thePauseLastsItsLengthAndDropsKeys() {
        SteadyClock clock;
        EventLoopPause pause(clock);
        QLineEdit box;
        QElapsedTimer held;
        QTimer::singleShot(20, [&] { QTest::keyClick(&box, Qt::Key_7); });
        held.start();
        pause.wait(0.25);
        QVERIFY(held.elapsed() >= 250 && !pause.active() && box.text().isEmpty());
        QTest::keyClick(&box, Qt::Key_7);
        QCOMPARE(box.text(), "7");
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
