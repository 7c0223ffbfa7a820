// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include "fakes/fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <array>

namespace {

// The real pause lasts this long here, long enough for a few events to reach it.
constexpr double kShortPauseSeconds = 0.002;
constexpr int kEventsDuringPause = 2;
constexpr unsigned kPauseSeedStep = 7919;
constexpr int kLastEventsKept = 25;
// Milliseconds between two events: now and then two clicks make a double click.
constexpr int kMinGapMs = 50;
constexpr int kMaxGapMs = 900;

struct Key {
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    QString name;
};

// Every key a child can reach on a school keyboard, with what it types.
std::vector<Key> childKeys() {
    std::vector<Key> keys;
    for (int i = 0; i < 26; ++i) {
        const QChar letter(u'a' + i);
        keys.push_back({Qt::Key_A + i, Qt::NoModifier, letter, letter});
        keys.push_back({Qt::Key_A + i, Qt::ControlModifier, QChar(i + 1),
                        QStringLiteral("Ctrl+") + letter.toUpper()});
    }
    for (int i = 0; i < 10; ++i)
        keys.push_back({Qt::Key_0 + i, Qt::NoModifier, QString::number(i), QString::number(i)});
    const std::array<Key, 29> named = {{
        {Qt::Key_Space, Qt::NoModifier, " ", "Space"},
        {Qt::Key_Tab, Qt::NoModifier, "\t", "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", "Shift+Tab"},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", "Escape"},
        {Qt::Key_Left, Qt::NoModifier, "", "Left"},
        {Qt::Key_Right, Qt::NoModifier, "", "Right"},
        {Qt::Key_Up, Qt::NoModifier, "", "Up"},
        {Qt::Key_Down, Qt::NoModifier, "", "Down"},
        {Qt::Key_Home, Qt::NoModifier, "", "Home"},
        {Qt::Key_End, Qt::NoModifier, "", "End"},
        {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
        {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", "Delete"},
        {Qt::Key_Return, Qt::NoModifier, "\r", "Return"},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Keypad Enter"},
        {Qt::Key_Return, Qt::ShiftModifier, "\r", "Shift+Return"},
        {Qt::Key_Alt, Qt::AltModifier, "", "Alt"},
        {Qt::Key_F4, Qt::AltModifier, "", "Alt+F4"},
        {Qt::Key_Tab, Qt::AltModifier, "", "Alt+Tab"},
        {Qt::Key_Menu, Qt::NoModifier, "", "Menu"},
        {Qt::Key_Meta, Qt::MetaModifier, "", "Windows"},
        {Qt::Key_Comma, Qt::NoModifier, ",", "Comma"},
        {Qt::Key_Period, Qt::NoModifier, ".", "Period"},
        {Qt::Key_Minus, Qt::NoModifier, "-", "Minus"},
        {Qt::Key_Plus, Qt::NoModifier, "+", "Plus"},
        {Qt::Key_F1, Qt::ShiftModifier, "", "Shift+F1"},
        {Qt::Key_Insert, Qt::ShiftModifier, "", "Shift+Insert"},
        {Qt::Key_CapsLock, Qt::NoModifier, "", "CapsLock"},
    }};
    keys.insert(keys.end(), named.begin(), named.end());
    for (int i = 0; i < 12; ++i)
        keys.push_back({Qt::Key_F1 + i, Qt::NoModifier, "", QStringLiteral("F%1").arg(i + 1)});
    return keys;
}

const std::vector<Key>& keys() {
    static const std::vector<Key> all = childKeys();
    return all;
}

// What a child may have copied before: numbers, words, long and multi-line text.
const QString kClipboardTexts[] = {
    "8", "16 cm", "-3", "abc", "1\n2\n3", QString(5000, u'9'), "١٢", " ", "",
};

// Where each kind of question takes its click answer, choice 1 to 3.
constexpr Ctl kSegments[] = {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3};
constexpr Ctl kAnswerLabels[] = {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3};
constexpr Ctl kRectangles[] = {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3};
constexpr Ctl kBoxes[] = {Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4};
constexpr int kFactors[] = {1, 8, 10, 6};
// Controls worth aiming at now and then, so that the deep states are reached.
constexpr Ctl kTargets[] = {Ctl::VIA,         Ctl::Command1,    Ctl::FrSegmento1, Ctl::FrSegmento2,
                            Ctl::FrSegmento3, Ctl::LbSegmento1, Ctl::LbSegmento2, Ctl::LbSegmento3,
                            Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3, Ctl::FrRet1,
                            Ctl::FrRet2,      Ctl::FrRet3,      Ctl::Text1,       Ctl::Inp1};

ulong timestamp = 0;

} // namespace

ShortPause::ShortPause(FakeClock* logicClock) : real_(clock_), logicClock_(logicClock) {}

void ShortPause::wait(double seconds) {
    ++count;
    // On a busy machine the pause may be over before its loop turns once:
    // the child's hands then have nothing to do in it.
    QTimer::singleShot(0, &real_, [this] {
        if (real_.active() && during)
            during();
    });
    real_.wait(kShortPauseSeconds);
    if (logicClock_)
        logicClock_->advance(seconds);
}

Monkey::Monkey(Form1Window& window, ShortPause& pause, unsigned seed)
    : window_(window), pause_(pause), seed_(seed), random_(seed),
      touchScreen_(QTest::createTouchDevice()) {
    pause_.during = [this] { duringPause(); };
    qApp->installEventFilter(this);
    QGuiApplication::clipboard()->setText(kClipboardTexts[0]);
}

Monkey::~Monkey() {
    delete touchScreen_;
    qApp->removeEventFilter(this);
    pause_.during = nullptr;
}

int Monkey::run(int events, Check check) {
    budget_ = events;
    check_ = std::move(check);
    while (sent_ < budget_ && !stopped_) {
        step(Hold::None);
        QCoreApplication::processEvents();
    }
    return sent_;
}

QString Monkey::lastEvents() const {
    QStringList lines;
    for (const QString& e : last_)
        lines << e;
    return lines.join(QStringLiteral("\n"));
}

QDialog* Monkey::results() const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    // The results window holds the program in its own loop: the child goes on
    // pressing and clicking there until it is closed.
    if (event->type() == QEvent::Show)
        if (auto* dialog = qobject_cast<QDialog*>(watched)) {
            if (onResults)
                onResults(dialog);
            QTimer::singleShot(0, this,
                               [this, d = QPointer<QDialog>(dialog)] { duringResults(d); });
        }
    return QObject::eventFilter(watched, event);
}

void Monkey::duringPause() {
    // Whether a pause gets its events depends on the machine's timing, so they
    // come from a generator of their own: the main run stays the same for a seed.
    const std::mt19937 main = random_;
    random_.seed(seed_ + static_cast<unsigned>(pause_.count) * kPauseSeedStep);
    for (int i = 0; i < kEventsDuringPause && sent_ < budget_ && !stopped_; ++i)
        step(Hold::Pause);
    random_ = main;
}

void Monkey::duringResults(QPointer<QDialog> dialog) {
    while (dialog && dialog->isVisible()) {
        if (sent_ >= budget_ || stopped_) {
            // Out of events: leave the window the way the pupil does.
            note(QStringLiteral("closing the results window with Enter"));
            sendKey(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            if (dialog && dialog->isVisible())
                dialog->close();
            return;
        }
        step(Hold::Results);
        QCoreApplication::processEvents();
    }
}

void Monkey::step(Hold hold) {
    ++sent_;
    const int what = pick(100);
    if (what < 30)
        pressKey();
    else if (what < 45)
        typeDigits();
    else if (what < 53) {
        note(QStringLiteral("Return"));
        sendKey(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    } else if (what < 73)
        clickAnywhere(false);
    else if (what < 83)
        clickAnywhere(true);
    else if (what < 93)
        clickControl(kTargets[pick(std::size(kTargets))], pick(3) == 0);
    else if (what < 96) {
        const QString& text = kClipboardTexts[pick(std::size(kClipboardTexts))];
        note(QStringLiteral("clipboard now holds %1 characters").arg(text.size()));
        QGuiApplication::clipboard()->setText(text);
    } else
        answerRight();
    if (check_)
        check_(hold);
}

void Monkey::pressKey() {
    const Key& k = keys()[static_cast<std::size_t>(pick(static_cast<int>(keys().size())))];
    if (pick(25) == 0) {
        // A key held down: the system repeats it until it is let go.
        const int repeats = 2 + pick(10);
        note(QStringLiteral("%1 held for %2 repeats").arg(k.name).arg(repeats));
        QWindow* target = QGuiApplication::focusWindow() ? QGuiApplication::focusWindow()
                                                         : window_.windowHandle();
        qt_handleKeyEvent(target, QEvent::KeyPress, k.key, k.mods, k.text, false);
        for (int i = 0; i < repeats; ++i) {
            target = QGuiApplication::focusWindow() ? QGuiApplication::focusWindow()
                                                    : window_.windowHandle();
            qt_handleKeyEvent(target, QEvent::KeyPress, k.key, k.mods, k.text, true);
        }
        qt_handleKeyEvent(target, QEvent::KeyRelease, k.key, k.mods, k.text, false);
        return;
    }
    note(k.name);
    sendKey(k.key, k.mods, k.text);
}

void Monkey::typeDigits() {
    const int n = 1 + pick(3);
    QString typed;
    for (int i = 0; i < n; ++i)
        typed += QChar(u'0' + pick(10));
    note(QStringLiteral("types %1").arg(typed));
    for (QChar c : typed)
        sendKey(Qt::Key_0 + (c.unicode() - u'0'), Qt::NoModifier, QString(c));
}

void Monkey::sendKey(int key, Qt::KeyboardModifiers mods, const QString& text, bool repeat) {
    // Keys go where the window system sends them: to the active window.
    QWindow* target =
        QGuiApplication::focusWindow() ? QGuiApplication::focusWindow() : window_.windowHandle();
    QPointer<QWindow> guard(target);
    qt_handleKeyEvent(target, QEvent::KeyPress, key, mods, text, repeat);
    if (guard)
        qt_handleKeyEvent(target, QEvent::KeyRelease, key, mods, text, false);
}

QWindow* Monkey::windowAt(QPoint screen, QPoint& local) const {
    QWidget* top = &window_;
    if (QDialog* d = results(); d && d->geometry().contains(screen))
        top = d;
    local = screen - top->geometry().topLeft();
    return top->windowHandle();
}

void Monkey::clickAnywhere(bool touch) {
    const QRect screen = window_.geometry();
    const QWidget* fine = window_.control(Ctl::FINE);
    const QRect fineOnScreen(fine->mapTo(&window_, QPoint(0, 0)) + screen.topLeft(), fine->size());
    QPoint at;
    do
        at = QPoint(screen.left() + pick(screen.width()), screen.top() + pick(screen.height()));
    while (fineOnScreen.contains(at));
    QPoint local;
    QWindow* target = windowAt(at, local);
    if (touch) {
        note(QStringLiteral("tap at %1,%2").arg(at.x()).arg(at.y()));
        sendTap(target, local);
    } else {
        const Qt::MouseButton button =
            pick(8) == 0 ? (pick(2) ? Qt::RightButton : Qt::MiddleButton) : Qt::LeftButton;
        note(QStringLiteral("click (button %1) at %2,%3").arg(int(button)).arg(at.x()).arg(at.y()));
        sendClick(target, local, button);
    }
}

void Monkey::clickControl(Ctl id, bool touch) {
    QWidget* w = window_.control(id);
    const QPoint at = w->mapTo(&window_, w->rect().center());
    note(QStringLiteral("%1 on %2").arg(touch ? "tap" : "click", w->objectName()));
    if (touch)
        sendTap(window_.windowHandle(), at);
    else
        sendClick(window_.windowHandle(), at, Qt::LeftButton);
}

void Monkey::sendClick(QWindow* window, QPoint at, Qt::MouseButton button) {
    timestamp += static_cast<ulong>(kMinGapMs + pick(kMaxGapMs - kMinGapMs));
    QPointer<QWindow> guard(window);
    const QPointF global = window->mapToGlobal(at);
    qt_handleMouseEvent(window, at, global, button, button, QEvent::MouseButtonPress,
                        Qt::NoModifier, static_cast<int>(timestamp));
    if (guard)
        qt_handleMouseEvent(window, at, global, Qt::NoButton, button, QEvent::MouseButtonRelease,
                            Qt::NoModifier, static_cast<int>(++timestamp));
}

void Monkey::sendTap(QWindow* window, QPoint at) {
    QPointer<QWindow> guard(window);
    QTest::touchEvent(window, touchScreen_, false).press(0, at, window).commit(false);
    if (guard)
        QTest::touchEvent(window, touchScreen_, false).release(0, at, window).commit(false);
}

void Monkey::answerRight() {
    // A pupil who knows the answer, now and then, so that series end.
    const Modulo1& m = window_.modulo();
    const int row = m.ndomanda;
    const auto kind = static_cast<TipoDomanda>(cellNumber(m.domande(row, 0)));
    const int answer = static_cast<int>(cellNumber(m.soluzioni(row, 1)));
    if (window_.control(Ctl::VIA)->isVisible()) {
        clickControl(Ctl::VIA);
        return;
    }
    auto typeAnswer = [this](int value) {
        note(QStringLiteral("answers %1").arg(value));
        for (QChar c : QString::number(value))
            sendKey(c == u'-' ? int(Qt::Key_Minus) : Qt::Key_0 + (c.unicode() - u'0'),
                    Qt::NoModifier, QString(c));
        sendKey(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    };
    switch (kind) {
    case TipoDomanda::CliccaSegmento:
        clickControl(kSegments[answer - 1]);
        break;
    case TipoDomanda::CliccaMisura:
        clickControl(kAnswerLabels[answer - 1]);
        break;
    case TipoDomanda::CliccaRettangolo:
        clickControl(kRectangles[answer - 1]);
        break;
    case TipoDomanda::QuattroMisure:
        for (int n = 0; n < 4; ++n) {
            QWidget* box = window_.control(kBoxes[n]);
            if (box->isVisible() && box->isEnabled()) {
                typeAnswer(answer * kFactors[n]);
                break;
            }
        }
        break;
    case TipoDomanda::NumeroSuiSegmenti:
    case TipoDomanda::NumeroSulRettangolo:
        typeAnswer(answer);
        break;
    }
}

void Monkey::note(const QString& event) {
    last_.push_back(QStringLiteral("#%1 %2").arg(sent_).arg(event));
    if (last_.size() > kLastEventsKept)
        last_.pop_front();
}
