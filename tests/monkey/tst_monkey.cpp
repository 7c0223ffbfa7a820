// SPDX-License-Identifier: GPL-3.0-or-later
// A child let loose on the real windows, with what a teacher checks after each event;
// a failure prints the seed and the last events, so that it can be played again.
#include "monkey.h"

#include "../forms/windowharness.h"

#include <QElapsedTimer>

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
        ShortPause pause(&clock);
        FakeScreen screen(1024, 768);
        FakePlayer player;
        Audio audio(player, random, "/app");
        Form1Window window(PlatformServices{clock, random, pause, screen, audio});
        int ends = 0, answers = 0, errors = 0, judged = 0, graded = 0;
        std::size_t seen = 0; // cues played so far
        bool reset = false;
        QString failure, before; // before: the counters as last seen at rest
        window.setTerminator([&] { ++ends; });
        window.start(false);
        Monkey monkey(window, pause, seed);
        const auto text = [&](Ctl id) { return controlText(window.control(id)); };
        monkey.onResults = [&] {
            // A graded series, or the end of a pass, starts the counters afresh.
            const bool grade = window.modulo().giudizio != Giudizio::SoloClassifica;
            graded += grade;
            reset = reset || grade || window.control(Ctl::VIA)->isVisible();
        };
        const auto check = [&](Monkey::Hold hold) -> QString {
            const QString counters = text(Ctl::LbRisposte) + " / " + text(Ctl::LbErrori);
            const QString message = text(Ctl::gratifica);
            if (ends || !window.isVisible())
                return "the exercise ended";
            if (hold == Monkey::Hold::Pause && message != "BENE!!" && message != "NO RIPROVA")
                return "no message during the pause";
            if (hold == Monkey::Hold::Pause) // the pause drops what the child does
                return counters == before ? "" : "a counter moved during the pause: " + counters;
            if (hold == Monkey::Hold::Results)
                return "";
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &window && w->isVisible())
                    return "a window stayed open: " + w->objectName();
            if (pause.active() || !window.logic().stage().enabled || !message.isEmpty())
                return "the pause is not over: " + message;
            for (; seen < player.played.size(); ++seen) {
                const std::string& cue = player.played[seen];
                judged += cue.find("/esatto") != cue.npos || cue.ends_with("/sbagliato1.wav");
                answers += cue.find("/esatto") != cue.npos || cue.ends_with("/sbagliato1.wav");
                errors += cue.ends_with("/sbagliato1.wav");
            }
            if (std::exchange(reset, false))
                answers = errors = 0;
            before = counters;
            if (QString(counters).replace("risposte", "0").replace("errori", "0") !=
                QStringLiteral("%1 / %2").arg(answers).arg(errors))
                return QStringLiteral("counters %1 after %2 answers, %3 wrong")
                    .arg(counters)
                    .arg(answers)
                    .arg(errors);
            if (qobject_cast<QPushButton*>(window.focusWidget()))
                return "a button holds the focus: " + window.focusWidget()->objectName();
            const auto box = window.logic().stage().focus;
            if (box && window.control(*box)->isVisible() &&
                window.focusWidget() != window.control(*box))
                return "the box waiting for the answer lost the focus";
            return "";
        };
        const int sent = monkey.run(5000, [&](Monkey::Hold hold) {
            if (failure.isEmpty() && !(failure = check(hold)).isEmpty())
                monkey.stop();
        });
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1, event %2: %3\n%4")
                                                   .arg(seed)
                                                   .arg(sent)
                                                   .arg(failure, monkey.lastEvents())));
        // Deep enough: answers judged, series graded, feedback pauses held.
        qInfo("%d answers judged, %d series graded, %d pauses", judged, graded, pause.count);
        QVERIFY(judged > 150 && graded > 2 && pause.count > 150);
    }

    // The real feedback pause lasts its whole length by its clock, slice after slice,
    // and drops the pupil's keys meanwhile; they reach the window again after it.
    void thePauseLastsItsLengthAndDropsKeys() {
        SteadyClock clock;
        EventLoopPause pause(clock);
        QLineEdit box;
        box.show();
        QTimer::singleShot(20, [&] { QTest::keyClick(&box, Qt::Key_7); });
        QElapsedTimer held;
        held.start();
        pause.wait(0.25);
        QVERIFY(held.elapsed() >= 250);
        QVERIFY(!pause.active());
        QCOMPARE(box.text(), "");
        QTest::keyClick(&box, Qt::Key_7);
        QCOMPARE(box.text(), "7");
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
