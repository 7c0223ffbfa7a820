// SPDX-License-Identifier: GPL-3.0-or-later
// A change of screen while the program runs (a new resolution, a rotation, a projector):
// the window fills the new screen and shows the question as a fresh start there would, to
// the pixel, with the pupil's typed text, counters and time kept.
#include "../forms/windowharness.h"
#include "skin/forms/fonts.h"
#include "skin/platform/qtscreen.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>

namespace {

// Gives the offscreen platform these screens, the first one primary, as xrandr does on X11.
void changeScreens(const QList<QRect>& areas) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Get = QJsonObject (*)(QPlatformNativeInterface*);
    using Set = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    auto get = reinterpret_cast<Get>(native->nativeResourceForIntegration("configuration"));
    auto set = reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"));
    QJsonObject configuration = get(native);
    const QJsonObject first = configuration["screens"].toArray()[0].toObject();
    QJsonArray screens;
    for (const QRect& area : areas) {
        QJsonObject screen = first;
        screen["name"] = QString("screen%1").arg(screens.size());
        screen["x"] = area.x();
        screen["y"] = area.y();
        screen["width"] = area.width();
        screen["height"] = area.height();
        screens.append(screen);
    }
    configuration["screens"] = screens;
    set(configuration, native);
    QTRY_COMPARE(QGuiApplication::primaryScreen()->geometry(), areas.first());
}

// Everything the pupil sees of the exercise window: each control's place, size, font and
// text, each figure's pieces, and where the keyboard goes.
QString layout(const WindowHarness& h) {
    QString seen;
    {
        QDebug out(&seen);
        for (const Form1ControlDesign& d : form1Design()) {
            const QWidget* w = h.window.control(d.id);
            out << '\n' << d.name.data() << w->isVisible();
            // A hidden control is laid out and takes its font when it shows.
            if (!w->isVisible())
                continue;
            out << QRect(w->mapTo(&h.window, QPoint()), w->size()) << w->font().pointSizeF()
                << controlText(w);
            if (const auto* frame = qobject_cast<const FigureFrame*>(w))
                for (const PaintedPiece& p : frame->pieces())
                    out << p.rect;
        }
        out << (h.window.focusWidget() ? h.window.focusWidget()->objectName() : "no focus");
    } // the stream hands its text over as it closes
    return seen;
}

} // namespace

class TestScreenChange : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }

    // In each state: the start screen, then a question of each kind, with the screen changed
    // between two answers or while an answer's pause holds the window, and the window system
    // resizing the window after the screen tells its new size or before.
    void windowFollowsAChangeOfScreenAsAFreshStartThereWould() {
        const QRect before(0, 0, 1280, 1024), after(0, 0, 1080, 1920); // turned upright
        const QtScreen screen;
        for (int row : {-1, 0, 3, 12, 19, 25, 30})
            for (bool inPause : {false, true})
                for (bool windowFirst : {false, true}) {
                    const QString name = QString("question %1%2%3")
                                             .arg(row)
                                             .arg(inPause ? ", pause" : "")
                                             .arg(windowFirst ? ", window first" : "");
                    // Put the question, answer it wrong once (the change may come in that pause),
                    // and leave a number typed in the box that waits.
                    auto play = [&](WindowHarness& h, const std::function<void()>& change) {
                        bool changed = false;
                        h.pause.during = [&] {
                            if (inPause && !std::exchange(changed, true))
                                change();
                        };
                        if (row < 0) {
                            change();
                            return;
                        }
                        h.putQuestion(row);
                        h.clock.advance(3);
                        if (const auto box = h.window.logic().stage().focus) {
                            h.type(*box, "99");
                            QTest::keyClicks(h.window.control(*box), "4");
                        } else {
                            h.click(row == 3    ? Ctl::FrSegmento3
                                    : row == 12 ? Ctl::LbRisposta1
                                                : Ctl::FrRet3);
                        }
                        if (!inPause)
                            change();
                        h.pause.during = nullptr;
                        h.window.logic()
                            .Timer1_Timer(); // the time shown, from the question's start
                        h.window.showStage();
                    };
                    changeScreens({before});
                    WindowHarness moved(0, 0, 1, nullptr, &screen, nullptr,
                                        {.pad = PadMode::Always});
                    play(moved, [&] {
                        if (windowFirst) {
                            moved.window.setGeometry(after);
                            QTRY_COMPARE(moved.window.geometry(), after);
                        }
                        changeScreens({after});
                        QTRY_COMPARE(moved.window.geometry(), after);
                    });
                    WindowHarness fresh(0, 0, 1, nullptr, &screen, nullptr,
                                        {.pad = PadMode::Always});
                    play(fresh, [] {});
                    QCOMPARE(name + layout(moved), name + layout(fresh));
                }
    }
    // A small monitor on the left of the primary one: the window starts on the primary.
    void windowStartsOnThePrimaryScreen() {
        const QRect primary(800, 0, 1280, 1024);
        changeScreens({primary, {0, 0, 800, 600}});
        const QtScreen screen;
        WindowHarness h(0, 0, 1, nullptr, &screen);
        QCOMPARE(h.window.geometry(), primary);
        QCOMPARE(h.window.screen()->geometry(), primary);
    }
    // The results window at a pass's end shows inside the exercise window, over all of it, at
    // its designed place and size, and holds the keyboard with nothing beneath reachable, even
    // as the exercise's timer ticks. A taller projector placed elsewhere on the desktop takes
    // over the screen: the window is placed from the new one.
    void resultsWindowHoldsTheExerciseAndFollowsTheScreen() {
        changeScreens({{0, 0, 1024, 768}});
        const QtScreen screen;
        WindowHarness h(0, 0, 1, nullptr, &screen, nullptr, {.pad = PadMode::Always});
        h.putQuestion(0);
        h.window.modulo().domandefatte.fill(1); // its last question
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QWidget* results = openResults();
            QWindow* window = h.window.windowHandle();
            auto centre = [&](Ctl id) {
                const QWidget* w = h.window.control(id);
                return w->mapTo(&h.window, w->rect().center());
            };
            QTest::mouseClick(window, Qt::LeftButton, {}, centre(Ctl::FINE));
            QTest::mouseClick(window, Qt::LeftButton, {}, centre(Ctl::Tasto5));
            QTest::keyClick(window, Qt::Key_Tab);
            QTest::keyClick(window, Qt::Key_7);
            h.window.logic().Timer1_Timer();
            h.window.showStage();
            auto where = [&] {
                QString line;
                QDebug(&line) << results->window()->objectName()
                              << QRect(results->mapTo(&h.window, QPoint()), results->size())
                              << results->mapToGlobal(QPoint())
                              << (QApplication::focusWidget() == results);
                seen << line.trimmed();
            };
            where();
            changeScreens({{200, 100, 1280, 1024}});
            QTRY_COMPARE(h.window.geometry(), QRect(200, 100, 1280, 1024));
            where();
            QTest::keyClick(window, Qt::Key_Return); // PROSEGUI
        });
        h.type(Ctl::Text1, "8");
        seen << h.text(Ctl::Text1) << QString::number(h.terminations);
        QCOMPARE(seen.join(" | "), "\"Form1\" QRect(0,55 511x446) QPoint(0,55) true | "
                                   "\"Form1\" QRect(0,73 511x446) QPoint(200,173) true |  | 0");
        QVERIFY(!openResults());
    }
};

QTEST_MAIN(TestScreenChange)
#include "tst_screen_change.moc"
