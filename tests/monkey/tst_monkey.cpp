// SPDX-License-Identifier: GPL-3.0-or-later
// A child let loose on the real windows: thousands of random keys, clicks and
// taps from the start screen on, with what a teacher would check after each.
// A failure prints the seed and the last events, so it can be played again.
#include "monkey.h"

#include "../forms/windowharness.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>

#include <set>

namespace {

constexpr int kEventsPerSeed = 5000;
const QString kBene = QStringLiteral("BENE!!");
const QString kNoRiprova = QStringLiteral("NO RIPROVA");

// The controls that belong to a question; the rest of the window is always there.
constexpr Ctl kQuestionControls[] = {
    Ctl::Text1,       Ctl::Inp1,        Ctl::Inp2,        Ctl::Inp3,        Ctl::Inp4,
    Ctl::LbSub1,      Ctl::LbSub2,      Ctl::LbSub3,      Ctl::LbSub4,      Ctl::LbRisposta1,
    Ctl::LbRisposta2, Ctl::LbRisposta3, Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3,
    Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3, Ctl::FrRet1,      Ctl::FrRet2,
    Ctl::FrRet3,
};
const std::set<Ctl> kSegmentFigures = {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3,
                                       Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3};

// What each kind of question shows; a four-step question shows its boxes one by one.
// No kind at all before the first question.
std::set<Ctl> shownFor(std::optional<TipoDomanda> kind, int stepsOpen) {
    std::set<Ctl> shown;
    if (!kind)
        return shown;
    if (conSegmenti(*kind))
        shown = kSegmentFigures;
    switch (*kind) {
    case TipoDomanda::NumeroSuiSegmenti:
        shown.insert(Ctl::Text1);
        break;
    case TipoDomanda::CliccaSegmento:
        break;
    case TipoDomanda::CliccaMisura:
        shown.insert({Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3});
        break;
    case TipoDomanda::QuattroMisure: {
        constexpr Ctl boxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
        constexpr Ctl prompts[] = {Ctl::LbSub1, Ctl::LbSub2, Ctl::LbSub3, Ctl::LbSub4};
        for (int i = 0; i < stepsOpen; ++i)
            shown.insert({boxes[i], prompts[i]});
        break;
    }
    case TipoDomanda::NumeroSulRettangolo:
        shown.insert({Ctl::FrRet1, Ctl::Text1});
        break;
    case TipoDomanda::CliccaRettangolo:
        shown.insert({Ctl::FrRet1, Ctl::FrRet2, Ctl::FrRet3});
        break;
    }
    return shown;
}

struct MonkeyHarness {
    explicit MonkeyHarness(unsigned seed)
        : random(clock, seed), pause(&clock), screen(1024, 768), audio(player, random, "/app"),
          window(PlatformServices{clock, random, pause, screen, audio}),
          monkey(window, pause, seed) {
        window.setTerminator([this] { ++terminations; });
        window.start(false);
    }

    FakeClock clock;
    ClockSeededRandom random;
    ShortPause pause;
    FakeScreen screen;
    FakePlayer player;
    Audio audio;
    Form1Window window;
    Monkey monkey;
    int terminations = 0;
};

// The checks, and the count of answers the child's inputs had judged.
class Teacher {
  public:
    explicit Teacher(MonkeyHarness& h) : h_(h) {
        h_.monkey.onResults = [this](QDialog*) {
            ++resultsWindows_;
            // A graded series, or the end of a pass, starts the counters afresh.
            if (h_.window.modulo().giudizio != Giudizio::SoloClassifica || visible(Ctl::VIA))
                resetPending_ = true;
            if (h_.window.modulo().giudizio != Giudizio::SoloClassifica)
                ++gradedSeries_;
        };
        remember();
    }

    void check(Monkey::Hold hold) {
        if (!failure.isEmpty())
            return;
        if (h_.terminations != 0)
            return fail("the program was asked to end");
        if (!h_.window.isVisible())
            return fail("the exercise window is gone");
        switch (hold) {
        case Monkey::Hold::None:
            return checkAtRest();
        case Monkey::Hold::Pause:
            return checkDuringPause();
        case Monkey::Hold::Results:
            return checkResults();
        }
    }

    QString failure;
    int judged() const { return judged_; }
    int gradedSeries() const { return gradedSeries_; }
    int resultsWindows() const { return resultsWindows_; }

  private:
    void fail(const QString& what) {
        failure = what;
        h_.monkey.stop();
    }

    bool visible(Ctl id) const { return h_.window.control(id)->isVisible(); }
    QString text(Ctl id) const { return controlText(h_.window.control(id)); }

    void remember() {
        answersText_ = text(Ctl::LbRisposte);
        errorsText_ = text(Ctl::LbErrori);
    }

    void countCues() {
        const auto& played = h_.player.played;
        for (; cuesSeen_ < played.size(); ++cuesSeen_) {
            const std::string& cue = played[cuesSeen_];
            if (cue.find("/sbagliato1.wav") != std::string::npos) {
                ++answers_;
                ++errors_;
                ++judged_;
            } else if (cue.find("/esatto") != std::string::npos) {
                ++answers_;
                ++judged_;
            }
        }
        if (resetPending_) {
            answers_ = errors_ = 0;
            resetPending_ = false;
        }
    }

    void checkAtRest() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &h_.window && w->isVisible())
                return fail("a window is still open: " + w->objectName());
        if (h_.pause.active() || !h_.window.logic().stage().enabled)
            return fail("the window does not take input after the pause");
        if (!text(Ctl::gratifica).isEmpty())
            return fail("the message stayed after the pause: " + text(Ctl::gratifica));

        countCues();
        auto counter = [](const QString& shown, int value, const char* caption) {
            return shown == QString::number(value) || (value == 0 && shown == caption);
        };
        if (!counter(text(Ctl::LbRisposte), answers_, "risposte") ||
            !counter(text(Ctl::LbErrori), errors_, "errori"))
            return fail(QStringLiteral("counters show %1 / %2 after %3 answers and %4 errors")
                            .arg(text(Ctl::LbRisposte), text(Ctl::LbErrori))
                            .arg(answers_)
                            .arg(errors_));

        const bool started = !visible(Ctl::VIA);
        const Modulo1& m = h_.window.modulo();
        const auto kind =
            started ? std::optional(static_cast<TipoDomanda>(cellNumber(m.domande(m.ndomanda, 0))))
                    : std::nullopt;
        int stepsOpen = 0;
        while (stepsOpen < 4 && visible(std::array{Ctl::Inp1, Ctl::Inp2, Ctl::Inp3,
                                                   Ctl::Inp4}[std::size_t(stepsOpen)]))
            ++stepsOpen;
        const std::set<Ctl> expected = shownFor(kind, std::max(1, stepsOpen));
        for (Ctl id : kQuestionControls)
            if (visible(id) != expected.contains(id))
                return fail(
                    QStringLiteral("%1 is %2 on a question of kind %3")
                        .arg(h_.window.control(id)->objectName(), visible(id) ? "shown" : "hidden")
                        .arg(started ? int(*kind) : 0));

        // The keyboard belongs to the box waiting for an answer, and to no button.
        QWidget* focus = h_.window.focusWidget();
        if (qobject_cast<QPushButton*>(focus))
            return fail("a button holds the keyboard focus: " + focus->objectName());
        const auto waiting = h_.window.logic().stage().focus;
        QWidget* box = waiting ? h_.window.control(*waiting) : nullptr;
        if (box && box->isVisible() && focus != box)
            return fail("the box waiting for an answer does not have the focus");
        remember();
    }

    void checkDuringPause() {
        if (text(Ctl::gratifica) != kBene && text(Ctl::gratifica) != kNoRiprova)
            return fail("no message during the pause");
        if (text(Ctl::LbRisposte) != answersText_ || text(Ctl::LbErrori) != errorsText_)
            return fail("a counter changed during the pause");
    }

    void checkResults() {
        QDialog* open = nullptr;
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                open = d;
                ++count;
            }
        if (count > 1)
            return fail("two results windows are open");
        if (open && (!open->isModal() || open->parentWidget() != &h_.window ||
                     QApplication::activeModalWidget() != open))
            return fail("the results window is not modal over Form1");
    }

    MonkeyHarness& h_;
    std::size_t cuesSeen_ = 0;
    int answers_ = 0;
    int errors_ = 0;
    int judged_ = 0;
    int gradedSeries_ = 0;
    int resultsWindows_ = 0;
    bool resetPending_ = false;
    QString answersText_;
    QString errorsText_;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
  private slots:
    void noKeyClickOrTapEndsTheExerciseOrLosesItsTally_data();
    void noKeyClickOrTapEndsTheExerciseOrLosesItsTally();
};

void TestMonkey::noKeyClickOrTapEndsTheExerciseOrLosesItsTally_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestMonkey::noKeyClickOrTapEndsTheExerciseOrLosesItsTally() {
    QFETCH(unsigned, seed);
    MonkeyHarness h(seed);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    Teacher teacher(h);
    const int sent = h.monkey.run(kEventsPerSeed, [&](Monkey::Hold hold) { teacher.check(hold); });

    QVERIFY2(teacher.failure.isEmpty(),
             qPrintable(QStringLiteral("seed %1, after %2 events: %3\nlast events:\n%4")
                            .arg(seed)
                            .arg(sent)
                            .arg(teacher.failure, h.monkey.lastEvents())));
    QCOMPARE(lastWindowClosed.count(), 0);
    QCOMPARE(sent, kEventsPerSeed);
    // The child got deep enough: answers judged, series graded, windows met.
    QVERIFY(teacher.judged() > 100);
    QVERIFY(teacher.gradedSeries() > 2);
    QVERIFY(h.pause.count > 100);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
