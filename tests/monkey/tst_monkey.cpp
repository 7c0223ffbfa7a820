// SPDX-License-Identifier: GPL-3.0-or-later
// A child let loose on the real windows, with what a teacher checks after each event; a
// failure prints the seed and the last events, so that it can be played again.
#include "monkey.h"

#include "../forms/windowharness.h"

#include <QSignalSpy>

#include <span>

class TestMonkey : public QObject {
    Q_OBJECT
  private slots:
    void noInputEndsTheExerciseOrLosesItsTally() {
        const unsigned seed = 1;
        ShortPause pause;
        FakeSpeech speech;
        WindowHarness h(1024, 768, seed, &pause, nullptr, &speech);
        Monkey monkey(h.window, seed);
        QSignalSpy pad(static_cast<QPushButton*>(h.window.control(Ctl::INVIO)),
                       &QPushButton::clicked);
        int readings = 0, talkedOver = 0; // the feedback is never talked over
        pause.during = [&] { talkedOver += !speech.speaking.empty(); };
        int graded = 0, judged[2] = {}, base[2] = {}; // answers, wrong ones
        std::size_t cues = 0;
        const auto count = [&] {
            for (const std::string& cue : std::span(h.player.played).subspan(cues)) {
                judged[0] += cue.find("/esatto") != cue.npos || cue.ends_with("/sbagliato1.wav");
                judged[1] += cue.ends_with("/sbagliato1.wav");
            }
            cues = h.player.played.size();
        };
        monkey.onResults = [&] { // a graded series, or a pass's end, starts the counters afresh
            graded += h.window.modulo().giudizio != Giudizio::SoloClassifica;
            if (count();
                h.window.modulo().giudizio != Giudizio::SoloClassifica || h.visible(Ctl::VIA))
                std::copy_n(judged, 2, base);
        };
        const int sent = monkey.run(20000, [&](Monkey::Hold hold) -> QString {
            const QString shown = h.text(Ctl::LbRisposte) + " / " + h.text(Ctl::LbErrori);
            const QString message = h.text(Ctl::gratifica);
            const auto box = h.window.logic().stage().focus;
            QWidget* focus = h.window.focusWidget();
            if (h.terminations || !h.window.isVisible())
                return "the exercise ended";
            for (QWidget* w : QApplication::topLevelWidgets())
                if (hold == Monkey::Hold::None && w != &h.window && w->isVisible())
                    return "a window stayed open: " + w->objectName();
            if (hold == Monkey::Hold::None && openResults())
                return "the results window stayed open";
            if (hold == Monkey::Hold::Results)
                return "";
            readings += !speech.speaking.empty();
            if (talkedOver)
                return "the voice talked over the feedback";
            if (pause.real.active() || !h.window.logic().stage().enabled || !message.isEmpty())
                return "the pause is not over: " + message;
            count();
            const QString before =
                QStringLiteral("%1 / %2").arg(judged[0] - base[0]).arg(judged[1] - base[1]);
            if (QString(shown).replace("risposte", "0").replace("errori", "0") != before)
                return "the counters show " + shown + " after " + before;
            if (qobject_cast<QPushButton*>(focus) ||
                (box && h.visible(*box) && focus != h.window.control(*box)))
                return "the focus is on " + (focus ? focus->objectName() : "nothing");
            return "";
        });
        QVERIFY2(
            monkey.failure().isEmpty(),
            qPrintable(
                QStringLiteral("seed %1, event %2: %3").arg(seed).arg(sent).arg(monkey.failure())));
        // Deep enough: answers judged, series graded, feedback pauses held, the pad used, the
        // loudspeaker pressed.
        QVERIFY(judged[0] > 2000 && graded > 100 && pause.count > 2000 && pad.count() > 500 &&
                readings > 100);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
