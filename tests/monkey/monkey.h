// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A child on the real windows: keys (some held down), pastes, clicks and taps anywhere but on
// FINE, presses of the loudspeaker, and answers aimed at the question (typed ones on the keyboard
// or on the number pad, which shows from the first tap on), right ones now and then so that series
// and passes end. Input takes the window system's path (focus, modal blocking and the pause's
// filter apply), and goes on in the results window.
#include "../forms/windowharness.h"
#include "core/exercise/tastierino.h"
#include "fakes/fakes.h"
#include "skin/forms/form1window.h"
#include "skin/platform/eventlooppause.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>

#include <random>

// The real pause, shortened to 2 ms (its dropping of input is checked by the window tests).
struct ShortPause final : Pause {
    void wait(double) override {
        ++count;
        if (during)
            during();
        real.wait(0.002);
    }
    std::function<void()> during;
    SteadyClock clock;
    EventLoopPause real{clock};
    int count = 0;
};

class Monkey : public QObject {
  public:
    enum class Hold { None, Results }; // what held the program as an event went
    Monkey(Form1Window& w, unsigned seed) : w_(w), random_(seed) { qApp->installEventFilter(this); }

    // Sends events until `events` have gone in all, or `check` (run after each) finds a fault.
    int run(int events, std::function<QString(Hold)> check) {
        budget_ = events;
        check_ = std::move(check);
        for (; going(); QCoreApplication::processEvents())
            step(Hold::None);
        return sent_;
    }
    QString failure() const { return failure_.isEmpty() ? "" : failure_ + "\n" + last_.join('\n'); }
    std::function<void()> onResults; // as a results window shows, before any input

  protected:
    // The results window holds the program in its own loop: the child plays on inside it.
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* shown = e->type() == QEvent::Show && o->objectName() == "classificaform"
                          ? static_cast<QWidget*>(o)
                          : nullptr;
        if (shown && onResults)
            onResults();
        if (shown)
            QTimer::singleShot(0, this, [this, d = QPointer<QWidget>(shown)] {
                for (; d && d->isVisible(); QCoreApplication::processEvents())
                    if (going())
                        step(Hold::Results);
                    else if (key(Qt::Key_Return, {}, "\r"); d) // out of events: leave it
                        d->close();
            });
        return false;
    }

  private:
    bool going() const { return sent_ < budget_ && failure_.isEmpty(); }
    QWindow* target() const {
        return qApp->focusWindow() ? qApp->focusWindow() : w_.windowHandle();
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void step(Hold hold) {
        static const QString pastes[] = {"8", "-3", "16 cm", "1\n2", QString(5000, '9'), "١٢", ""};
        QWidget* results = openResults();
        QWidget* top = results && pick(2) ? results : &w_;
        const QWidget* fine = w_.control(Ctl::FINE);
        QPoint at;
        ++sent_;
        if (const int what = pick(20), n = pick(76); what < 7) {
            // Printable keys, Escape to PageDown (Tab, Enter, arrows, ...), and F1 to F12.
            const int k = n < 40   ? " -,.ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[n]
                          : n < 64 ? Qt::Key_Escape + n - 40
                                   : Qt::Key_F1 + n - 64;
            key(k, Qt::KeyboardModifier(pick(2) ? 0 : Qt::ShiftModifier << pick(3)),
                k < Qt::Key_Escape ? QString(QChar(k).toLower()) : "", pick(25) ? 0 : 2 + pick(9));
        } else if (what < 8) {
            QGuiApplication::clipboard()->setText(pastes[pick(std::size(pastes))]);
            key(Qt::Key_V, Qt::ControlModifier, {});
        } else if (what < 14) {
            do
                at = QPoint(pick(top->width()), pick(top->height()));
            while (top == &w_ && QRect(fine->mapTo(&w_, QPoint()), fine->size()).contains(at));
            press(&w_, top->mapTo(&w_, at), pick(3) == 0);
        } else {
            answer(pick(3) == 0);
        }
        if (check_ && failure_.isEmpty())
            failure_ = check_(hold);
    }

    // Keys go where the window system sends them, to the active window; a held key repeats.
    void key(int k, Qt::KeyboardModifier m, const QString& text, int repeats = 0) {
        note(QKeySequence(QKeyCombination(m, Qt::Key(k))).toString() + QString(repeats, '+'));
        for (int i = 0; i <= repeats; ++i)
            qt_handleKeyEvent(target(), QEvent::KeyPress, k, m, text, i > 0);
        qt_handleKeyEvent(target(), QEvent::KeyRelease, k, m, text, false);
    }
    // A tap, or a click with the left button or now and then the right one.
    void press(QWidget* top, QPoint at, bool tap) {
        static QPointingDevice* const screen = QTest::createTouchDevice();
        note(QStringLiteral("%1 at %2,%3").arg(tap ? "tap" : "click").arg(at.x()).arg(at.y()));
        if (QPointer<QWindow> win = top->windowHandle(); !tap)
            QTest::mouseClick(win, pick(8) ? Qt::LeftButton : Qt::RightButton, {}, at);
        else if (QTest::touchEvent(win, screen).press(0, at, win); win)
            QTest::touchEvent(win, screen).release(0, at, win);
    }

    // An answer through the question's own controls: the right one when `right`.
    void answer(bool right) {
        const Ctl boxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4, Ctl::Text1};
        const int factors[] = {1, 8, 10, 6, 1}; // what each box asks, times the answer
        const Modulo1& m = w_.modulo();
        const auto kind = static_cast<TipoDomanda>(cellNumber(m.domande(m.ndomanda, 0)));
        const int solution = static_cast<int>(cellNumber(m.soluzioni(m.ndomanda, 1)));
        const bool via = w_.control(Ctl::VIA)->isVisible();
        const auto aim = [&](Ctl id) {
            QWidget* c = w_.control(id);
            press(&w_, c->mapTo(&w_, c->rect().center()), !pick(4));
        };
        if (via || pick(20) == 0)
            return aim(via ? Ctl::VIA : Ctl::Command1);
        if (pick(8) == 0 && w_.control(Ctl::LEGGI)->isVisible())
            return aim(Ctl::LEGGI);
        if (const auto offered = choices(kind); !offered.empty())
            return aim(offered.at(right ? solution - 1 : pick(3)));
        const auto n = std::ranges::find(boxes, w_.logic().stage().focus.value_or(Ctl::Text1));
        const QString number = QString::number(right ? solution * factors[n - boxes] : pick(100));
        if (w_.control(Ctl::INVIO)->isVisible() && pick(2)) { // on the number pad, once it shows
            for (QChar c : number)
                aim(*std::ranges::find_if(kTastierino, [&](Ctl k) {
                    return w_.control(k)->property("text").toString() == c;
                }));
            return aim(Ctl::INVIO);
        }
        for (QChar c : number + "\r")
            key(c == '\r' ? int(Qt::Key_Return) : Qt::Key_0 + c.digitValue(), {}, c);
    }
    void note(const QString& e) {
        if (last_ << QStringLiteral("#%1 %2").arg(sent_).arg(e); last_.size() > 25)
            last_.removeFirst();
    }

    Form1Window& w_;
    std::mt19937 random_;
    std::function<QString(Hold)> check_;
    QString failure_;
    int budget_ = 0, sent_ = 0;
    QStringList last_;
};
