// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A child on the real windows: random keys (with modifiers, some held down), pastes
// of odd texts, clicks and taps anywhere but on FINE, and aimed answers, now and then
// right ones so that series and passes end. Input takes the window system's path, so
// focus, modal blocking and the pause's filter all apply; it goes on during the pause
// and inside the results window.
#include "fakes/fakes.h"
#include "skin/forms/form1window.h"
#include "skin/platform/eventlooppause.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <deque>
#include <map>
#include <random>

// The real pause, shortened to 2 ms; `during` runs inside it, and `logicClock`
// (when given) moves on by the pause's full length.
class ShortPause final : public Pause {
  public:
    explicit ShortPause(FakeClock* logicClock = nullptr) : real_(clock_), logic_(logicClock) {}
    void wait(double seconds) override {
        ++count;
        QTimer::singleShot(0, &real_, [this] {
            if (real_.active() && during)
                during();
        });
        real_.wait(0.002);
        if (logic_)
            logic_->advance(seconds);
    }
    bool active() const { return real_.active(); }
    std::function<void()> during;
    int count = 0;

  private:
    SteadyClock clock_;
    EventLoopPause real_;
    FakeClock* logic_;
};

class Monkey : public QObject {
  public:
    enum class Hold { None, Pause, Results }; // what held the program as the event went
    Monkey(Form1Window& w, ShortPause& pause, unsigned seed)
        : w_(w), pause_(pause), seed_(seed), random_(seed), touch_(QTest::createTouchDevice()) {
        // Events during a pause come from a generator of their own, as whether a pause
        // gets any depends on timing: the main run stays the same for a seed.
        pause_.during = [this] {
            const std::mt19937 main = random_;
            random_.seed(seed_ + 7919u * static_cast<unsigned>(pause_.count));
            for (int i = 0; i < 2 && sent_ < budget_ && !stopped_; ++i)
                step(Hold::Pause);
            random_ = main;
        };
        qApp->installEventFilter(this);
    }
    ~Monkey() override {
        pause_.during = nullptr;
        delete touch_;
    }

    // Sends events until `events` have gone in all or stop() is called; `check` runs after each.
    int run(int events, std::function<void(Hold)> check) {
        budget_ = events;
        check_ = std::move(check);
        for (; sent_ < budget_ && !stopped_; QCoreApplication::processEvents())
            step(Hold::None);
        return sent_;
    }
    void stop() { stopped_ = true; }
    QString lastEvents() const { return QStringList(last_.begin(), last_.end()).join('\n'); }
    std::function<void()> onResults; // as a results window shows, before any input

  protected:
    // The results window holds the program in its own loop: the child plays on inside it.
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* shown = e->type() == QEvent::Show ? qobject_cast<QDialog*>(o) : nullptr;
        if (shown && onResults)
            onResults();
        if (shown)
            QTimer::singleShot(0, this, [this, d = QPointer<QDialog>(shown)] {
                for (; d && d->isVisible(); QCoreApplication::processEvents())
                    if (sent_ < budget_ && !stopped_)
                        step(Hold::Results);
                    else if (key(Qt::Key_Return, {}, "\r"); d) // out of events: leave it
                        d->close();
            });
        return false;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void note(const QString& e) {
        last_.push_back(QStringLiteral("#%1 %2").arg(sent_).arg(e));
        if (last_.size() > 25)
            last_.pop_front();
    }

    void step(Hold hold) {
        static const int named[] = {
            Qt::Key_Space, Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Left,
            Qt::Key_Right, Qt::Key_Up,        Qt::Key_Down,    Qt::Key_Home,   Qt::Key_PageUp,
            Qt::Key_Minus, Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Return, Qt::Key_Enter,
            Qt::Key_Comma, Qt::Key_Menu,      Qt::Key_F1,      Qt::Key_F4,     Qt::Key_F11};
        static const Qt::KeyboardModifier mods[] = {Qt::NoModifier, Qt::NoModifier,
                                                    Qt::ShiftModifier, Qt::ControlModifier,
                                                    Qt::AltModifier};
        static const QString pastes[] = {"8", "-3", "16 cm", "1\n2", QString(5000, '9'), "١٢", ""};
        ++sent_;
        if (const int what = pick(20), n = pick(36 + std::size(named)); what < 7) {
            const int k = n < 36 ? "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[n] : named[n - 36];
            key(k, mods[pick(5)], k < Qt::Key_Escape ? QString(QChar(k).toLower()) : "",
                pick(25) ? 0 : 2 + pick(10));
        } else if (what < 8) {
            QGuiApplication::clipboard()->setText(pastes[pick(std::size(pastes))]);
            key(Qt::Key_V, Qt::ControlModifier, {});
        } else if (what < 14) {
            QWidget* top = QApplication::activeModalWidget();
            top = top && pick(2) ? top : &w_;
            const QWidget* fine = w_.control(Ctl::FINE);
            QPoint at;
            do
                at = QPoint(pick(top->width()), pick(top->height()));
            while (top == &w_ && QRect(fine->mapTo(&w_, QPoint()), fine->size()).contains(at));
            press(top, at, pick(3) == 0);
        } else {
            answer(pick(3) == 0);
        }
        if (check_)
            check_(hold);
    }

    // Keys go where the window system sends them: to the active window.
    void key(int k, Qt::KeyboardModifier m, const QString& text, int repeats = 0) {
        note(QKeySequence(QKeyCombination(m, Qt::Key(k))).toString() +
             (repeats ? QStringLiteral(" held for %1 repeats").arg(repeats) : ""));
        const auto to = [this] {
            QWindow* focus = QGuiApplication::focusWindow();
            return QPointer<QWindow>(focus ? focus : w_.windowHandle());
        };
        for (int i = 0; i <= repeats; ++i)
            qt_handleKeyEvent(to(), QEvent::KeyPress, k, m, text, i > 0);
        qt_handleKeyEvent(to(), QEvent::KeyRelease, k, m, text, false);
    }

    // A tap, or a click (with the right button now and then; two close ones make a double click).
    void press(QWidget* top, QPoint at, bool tap) {
        note(QStringLiteral("%1 at %2,%3").arg(tap ? "tap" : "click").arg(at.x()).arg(at.y()));
        const QPointer<QWindow> win = top->windowHandle();
        const Qt::MouseButton b = pick(8) ? Qt::LeftButton : Qt::RightButton;
        time_ += static_cast<ulong>(50 + pick(850));
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            if (auto s = QTest::touchEvent(win, touch_, false); win && tap)
                (t == QEvent::MouseButtonPress ? s.press(0, at, win) : s.release(0, at, win))
                    .commit(false);
            else if (win)
                qt_handleMouseEvent(win, at, win->mapToGlobal(QPointF(at)),
                                    t == QEvent::MouseButtonPress ? b : Qt::NoButton, b, t, {},
                                    static_cast<int>(time_++));
    }

    // An answer to the question shown, through its own controls: the right one when `right`.
    void answer(bool right) {
        static const std::map<TipoDomanda, std::array<Ctl, 3>> targets = {
            {TipoDomanda::CliccaSegmento, {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3}},
            {TipoDomanda::CliccaMisura, {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3}},
            {TipoDomanda::CliccaRettangolo, {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3}}};
        const Ctl boxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
        const int factors[] = {1, 8, 10, 6, 1}; // what each of the four boxes asks, then Text1
        const Modulo1& m = w_.modulo();
        const auto kind = static_cast<TipoDomanda>(cellNumber(m.domande(m.ndomanda, 0)));
        const int solution = static_cast<int>(cellNumber(m.soluzioni(m.ndomanda, 1)));
        const bool via = w_.control(Ctl::VIA)->isVisible();
        const auto target = targets.find(kind);
        auto aim = [&](Ctl id) {
            QWidget* c = w_.control(id);
            press(&w_, c->mapTo(&w_, c->rect().center()), !pick(4));
        };
        if (via || pick(20) == 0)
            return aim(via ? Ctl::VIA : Ctl::Command1);
        if (target != targets.end())
            return aim(target->second[static_cast<std::size_t>(right ? solution - 1 : pick(3))]);
        const auto waiting = w_.logic().stage().focus.value_or(Ctl::Text1);
        const auto n = std::find(std::begin(boxes), std::end(boxes), waiting) - std::begin(boxes);
        note(right ? "knows the answer" : "guesses");
        for (QChar c : QString::number(right ? solution * factors[n] : pick(100)) + "\r")
            key(c == '\r' ? int(Qt::Key_Return) : Qt::Key_0 + c.digitValue(), Qt::NoModifier, c);
    }

    Form1Window& w_;
    ShortPause& pause_;
    unsigned seed_;
    std::mt19937 random_;
    QPointingDevice* touch_;
    std::function<void(Hold)> check_;
    int budget_ = 0, sent_ = 0;
    bool stopped_ = false;
    ulong time_ = 0;
    std::deque<QString> last_;
};
