// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real exercise window with fake platform services, and ways to put a
// chosen question and to find its controls.

#include "core/sound/audio.h"
#include "fakes/fakes.h"
#include "skin/figures/figureframe.h"
#include "skin/forms/form1window.h"
#include "skin/forms/qtconvert.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The text a label, box or button shows.
inline QString controlText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* b = qobject_cast<const QPushButton*>(w))
        return b->text();
    return {};
}

struct WindowHarness {
    explicit WindowHarness(int widthPx = 1024, int heightPx = 768, unsigned seed = 1)
        : random(clock, seed), pause(clock), screen(widthPx, heightPx),
          audio(player, random, "/app"),
          window(PlatformServices{clock, random, pause, screen, audio}) {
        window.setTerminator([this] { ++terminations; });
        window.start(false);
    }

    // Presses VIA with only question `row` left to draw, then leaves the pass
    // as if that question were its first, so answering it ends no pass.
    void putQuestion(int row) {
        auto& fatte = window.modulo().domandefatte;
        fatte.fill(1);
        fatte[static_cast<std::size_t>(row)] = 0;
        // After the first question VIA is hidden; the sequencer then runs as
        // the answer handlers run it.
        if (visible(Ctl::VIA))
            click(Ctl::VIA);
        else
            static_cast<QPushButton*>(window.control(Ctl::VIA))->click();
        fatte.fill(0);
        fatte[static_cast<std::size_t>(row)] = 1;
    }

    void click(Ctl id, QPoint at = {}) const {
        QWidget* w = window.control(id);
        QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    }

    // Types `text` into a box and presses Enter, as the pupil does.
    void type(Ctl box, const QString& text) const {
        QWidget* w = window.control(box);
        QTest::keyClicks(w, text);
        QTest::keyClick(w, Qt::Key_Return);
    }

    QString text(Ctl id) const { return controlText(window.control(id)); }

    FigureFrame* frame(const char* name) const {
        return window.findChild<FigureFrame*>(QString::fromLatin1(name));
    }

    bool visible(Ctl id) const { return window.control(id)->isVisible(); }

    FakeClock clock;
    ClockSeededRandom random;
    FakePause pause;
    FakeScreen screen;
    FakePlayer player;
    Audio audio;
    Form1Window window;
    int terminations = 0;
};
